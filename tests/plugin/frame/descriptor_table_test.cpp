// The per-plug-in tables: title, group file prefix, fields top to bottom, locks.
#include "plugins/all_descriptors.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>

namespace vamo::plugin {
namespace {

using plugins::descriptorNamed;

struct TitleCase {
    const char* plugin;
    const char* title;
    const char* prefix;
    bool ageInFileName;
};

void PrintTo(const TitleCase& c, std::ostream* out) {
    *out << c.plugin;
}

class MethodTitles : public ::testing::TestWithParam<TitleCase> {};

TEST_P(MethodTitles, NameTheMethodAndItsFiles) {
    const MethodDescriptor& method = descriptorNamed(GetParam().plugin);
    EXPECT_EQ(method.title, GetParam().title);
    EXPECT_EQ(method.prefix, GetParam().prefix);
    EXPECT_EQ(method.ageInFileName, GetParam().ageInFileName);
}

INSTANTIATE_TEST_SUITE_P(AllPlugins, MethodTitles,
                         ::testing::Values(TitleCase{"cmodulus", "普通混凝土弹性模量 ", "TXML-", true},
                                           TitleCase{"firedflex", "烧结普通砖抗折", "PZKZ-", true},
                                           TitleCase{"wallflex", " 砌墙砖抗折", "QZKZ-", true},
                                           TitleCase{"conccomp", "普通混凝土抗压", "SNKY-", true},
                                           TitleCase{"concflex", "普通混凝土抗折", "SNKZ-", true},
                                           TitleCase{"firedcomp", "烧结普通砖抗压", "PZKY-", true},
                                           TitleCase{"pasteflex", " 水泥净浆抗折 ", "JJKZ-", true},
                                           TitleCase{"mortcomp", " 水泥胶砂抗压 ", "SNJS-", true},
                                           TitleCase{"pastecomp", " 水泥净浆抗压", "JJKY-", true},
                                           TitleCase{"wallcomp", "砌墙砖抗压", "QZKY-", true},
                                           TitleCase{"unconfcomp", "无侧限抗压", "WCKY-", true},
                                           TitleCase{"gnrl", "通用试验", "GNRL-", false},
                                           TitleCase{"aerblock", "蒸压加气砌块抗压", "ZYJQ-", true}));

std::string fieldOrder(const MethodDescriptor& method) {
    std::string order;
    for (const FieldSpec& spec : method.fields) {
        order += (order.empty() ? "" : " ") + std::string(objectName(spec.id));
    }
    return order;
}

TEST(FieldTables, ListTheFieldsTopToBottom) {
    EXPECT_EQ(fieldOrder(descriptorNamed("cmodulus")),
              "Edit_bh ComboBox_qddj ComboBox_sjql ComboBox_mj ComboBox_ylsd speed ddzh gdzh bju dbxzh gbxzh "
              "ComboBox_tichu ComboBox_sjks ComboBox_ddlx ComboBox_yssj");
    EXPECT_EQ(fieldOrder(descriptorNamed("firedflex")),
              "Edit_bh ComboBox_sjpz ComboBox_qddj ComboBox_sjql ComboBox_mj ComboBox_kj ComboBox_ylsd "
              "ComboBox_xzxs ComboBox_sjks ComboBox_ddlx ComboBox_yssj");
    EXPECT_EQ(fieldOrder(descriptorNamed("pasteflex")),
              "Edit_bh ComboBox_sjpz ComboBox_qddj ComboBox_sjql ComboBox_bc ComboBox_kj ComboBox_ylsd "
              "ComboBox_xzxs ComboBox_sjks ComboBox_ddlx ComboBox_yssj");
    EXPECT_EQ(fieldOrder(descriptorNamed("wallcomp")),
              "Edit_bh ComboBox_qddj ComboBox_sjql ComboBox_mj ComboBox_xzxs ComboBox_ylsd ComboBox_sjks "
              "ComboBox_ddlx ComboBox_yssj");
    EXPECT_EQ(fieldOrder(descriptorNamed("gnrl")),
              "Edit_bh ComboBox_mj ComboBox_xzxs ComboBox_ylsd ComboBox_sjks ComboBox_ddlx ComboBox_yssj");
    EXPECT_EQ(
        fieldOrder(descriptorNamed("unconfcomp")),
        "Edit_bh ComboBox_qddj ComboBox_sjql ComboBox_mj ComboBox_xzxs ComboBox_ylsd speed ComboBox_sjks "
        "ComboBox_ddlx ComboBox_yssj");
}

TEST(FieldTables, GiveTheCaptionsOfTheSpeedField) {
    EXPECT_EQ(descriptorNamed("conccomp").field(FieldId::ComboBox_ylsd).caption, "应力速度(Mpa/s)：");
    EXPECT_EQ(descriptorNamed("cmodulus").field(FieldId::ComboBox_ylsd).caption, "应力速度(MPa/s):");
    EXPECT_EQ(descriptorNamed("firedflex").field(FieldId::ComboBox_ylsd).caption, "加载速度(kN/s)：");
    EXPECT_EQ(descriptorNamed("wallflex").field(FieldId::ComboBox_ylsd).caption, "加载速度(N/s)：");
    EXPECT_EQ(descriptorNamed("firedcomp").field(FieldId::ComboBox_ylsd).caption, "载荷速度(kN/s)：");
    EXPECT_EQ(descriptorNamed("pasteflex").field(FieldId::ComboBox_ylsd).caption, "加载速度(N/s):");
    EXPECT_EQ(descriptorNamed("gnrl").field(FieldId::ComboBox_mj).caption, "面积(mm^2)：");
    EXPECT_EQ(descriptorNamed("conccomp").field(FieldId::speed).caption, "载荷速度(kN/s)：");
}

TEST(FieldTables, SpellTheCementVarietiesWithAMiddleDot) {
    EXPECT_EQ(descriptorNamed("mortcomp").field(FieldId::ComboBox_sjpz).items,
              (std::vector<std::string>{"P \xC2\xB7I", "P \xC2\xB7II", "P \xC2\xB7O",
                                        "P \xC2\xB7S \xC2\xB7"
                                        "A",
                                        "P \xC2\xB7S \xC2\xB7"
                                        "B",
                                        "P \xC2\xB7P",
                                        "P \xC2\xB7"
                                        "F",
                                        "P \xC2\xB7"
                                        "C"}));
}

TEST(FieldTables, EveryStoredFieldIsInTheSaveOrderUnlessReadOnly) {
    const std::set<std::pair<std::string, FieldId>> readOnly{{"firedflex", FieldId::ComboBox_sjpz},
                                                             {"wallflex", FieldId::ComboBox_sjpz},
                                                             {"firedcomp", FieldId::ComboBox_sjpz},
                                                             {"pasteflex", FieldId::ComboBox_sjpz}};
    for (const MethodDescriptor* method : plugins::allDescriptors()) {
        for (const FieldSpec& spec : method->fields) {
            const bool saved = std::find(method->saveOrder.begin(), method->saveOrder.end(), spec.id)
                               != method->saveOrder.end();
            const bool expected = !spec.key.empty() && !readOnly.contains({method->name, spec.id});
            EXPECT_EQ(saved, expected) << method->name << " " << objectName(spec.id);
        }
    }
}

} // namespace
} // namespace vamo::plugin
