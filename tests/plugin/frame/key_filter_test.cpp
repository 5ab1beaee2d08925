// The key filters and which field of which plug-in has which filter and maximum length.
#include "plugin/frame/key_filter.h"
#include "plugins/all_descriptors.h"
#include "tests/plugin/frame/station_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vamo::plugin {
namespace {

using plugins::descriptorNamed;

struct KeyCase {
    KeyFilter filter;
    const char* text;
    char32_t typed;
    bool accepted;
};

void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << static_cast<int>(c.filter) << " \"" << c.text << "\" U+" << std::hex
         << static_cast<unsigned>(c.typed);
}

class KeyFilterCases : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyFilterCases, AcceptOnlyTheirCharacters) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(acceptsTypedCharacter(c.filter, c.text, c.typed), c.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyFilterCases,
    ::testing::Values(
        KeyCase{KeyFilter::Decimal, "", U'0', true}, KeyCase{KeyFilter::Decimal, "12", U'9', true},
        KeyCase{KeyFilter::Decimal, "12", U'.', true}, KeyCase{KeyFilter::Decimal, "1.2", U'.', false},
        KeyCase{KeyFilter::Decimal, "1.2", 0x08, true}, KeyCase{KeyFilter::Decimal, "1.2", 0x0D, true},
        KeyCase{KeyFilter::Decimal, "", U'-', false}, KeyCase{KeyFilter::Decimal, "", U'a', false},
        KeyCase{KeyFilter::Decimal, "", U' ', false}, KeyCase{KeyFilter::Decimal, "", U'Φ', false},
        KeyCase{KeyFilter::Decimal, "", 0x09, false}, KeyCase{KeyFilter::Integer, "3", U'7', true},
        KeyCase{KeyFilter::Integer, "3", U'.', false}, KeyCase{KeyFilter::Integer, "3", 0x08, true},
        KeyCase{KeyFilter::Integer, "3", 0x0D, true}, KeyCase{KeyFilter::Integer, "3", U'x', false},
        KeyCase{KeyFilter::IntegerWithPoint, "1.5", U'.', true},
        KeyCase{KeyFilter::IntegerWithPoint, "", U'e', false}, KeyCase{KeyFilter::None, "", U'*', true},
        KeyCase{KeyFilter::None, "", U'强', true}));

struct FieldCase {
    const char* plugin;
    FieldId field;
    KeyFilter filter;
    int maxLength; // 0: none
};

void PrintTo(const FieldCase& c, std::ostream* out) {
    *out << c.plugin << " " << objectName(c.field);
}

class FieldLimits : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldLimits, FollowThePluginsTable) {
    const FieldSpec& spec = descriptorNamed(GetParam().plugin).field(GetParam().field);
    EXPECT_EQ(spec.filter, GetParam().filter);
    EXPECT_EQ(spec.maxLength, GetParam().maxLength);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FieldLimits,
    ::testing::Values(FieldCase{"conccomp", FieldId::Edit_bh, KeyFilter::None, 127},
                      FieldCase{"conccomp", FieldId::ComboBox_qddj, KeyFilter::None, 100},
                      FieldCase{"conccomp", FieldId::ComboBox_sjql, KeyFilter::Integer, 10},
                      FieldCase{"conccomp", FieldId::ComboBox_mj, KeyFilter::None, 100},
                      FieldCase{"conccomp", FieldId::ComboBox_xzxs, KeyFilter::Decimal, 10},
                      FieldCase{"conccomp", FieldId::ComboBox_ylsd, KeyFilter::Decimal, 10},
                      FieldCase{"conccomp", FieldId::ComboBox_sjks, KeyFilter::Integer, 10},
                      FieldCase{"conccomp", FieldId::ComboBox_yssj, KeyFilter::Integer, 4},
                      FieldCase{"cmodulus", FieldId::ComboBox_sjks, KeyFilter::Integer, 3},
                      FieldCase{"cmodulus", FieldId::ddzh, KeyFilter::Decimal, 10},
                      FieldCase{"cmodulus", FieldId::gbxzh, KeyFilter::Decimal, 10},
                      FieldCase{"cmodulus", FieldId::bju, KeyFilter::Decimal, 10},
                      FieldCase{"firedflex", FieldId::ComboBox_mj, KeyFilter::Decimal, 17},
                      FieldCase{"firedflex", FieldId::ComboBox_sjql, KeyFilter::IntegerWithPoint, 10},
                      FieldCase{"firedflex", FieldId::ComboBox_kj, KeyFilter::Decimal, 10},
                      FieldCase{"firedflex", FieldId::ComboBox_sjpz, KeyFilter::None, 100},
                      FieldCase{"wallflex", FieldId::ComboBox_mj, KeyFilter::Decimal, 17},
                      FieldCase{"wallflex", FieldId::ComboBox_yssj, KeyFilter::IntegerWithPoint, 4},
                      FieldCase{"pasteflex", FieldId::ComboBox_bc, KeyFilter::Decimal, 10},
                      FieldCase{"pasteflex", FieldId::ComboBox_sjks, KeyFilter::IntegerWithPoint, 10},
                      FieldCase{"firedcomp", FieldId::ComboBox_mj, KeyFilter::None, 100},
                      FieldCase{"firedcomp", FieldId::ComboBox_sjks, KeyFilter::Integer, 10},
                      FieldCase{"gnrl", FieldId::ComboBox_mj, KeyFilter::Decimal, 100},
                      FieldCase{"aerblock", FieldId::Edit_bh, KeyFilter::None, 0},
                      FieldCase{"aerblock", FieldId::ComboBox_mj, KeyFilter::None, 0},
                      FieldCase{"aerblock", FieldId::ComboBox_yssj, KeyFilter::Integer, 0}));

TEST(PanelKeys, FilterByTheFieldsCurrentText) {
    test::ModuleHarness harness(descriptorNamed("conccomp"));
    PanelModel& panel = harness.showPanel();
    panel.setText(FieldId::ComboBox_xzxs, "1");
    EXPECT_TRUE(panel.acceptsKey(FieldId::ComboBox_xzxs, U'.'));
    panel.setText(FieldId::ComboBox_xzxs, "1.0");
    EXPECT_FALSE(panel.acceptsKey(FieldId::ComboBox_xzxs, U'.'));
    EXPECT_TRUE(panel.acceptsKey(FieldId::Edit_bh, U'/'));
}

} // namespace
} // namespace vamo::plugin
