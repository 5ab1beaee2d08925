// The group record file: its name, the template it is made from, and the test_set rows of each plug-in.
#include "plugin/frame/group_file.h"
#include "plugin/frame/plugin_error.h"
#include "plugins/all_descriptors.h"
#include "storage/database.h"
#include "tests/plugin/frame/station_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vamo::plugin {
namespace {

using plugins::descriptorNamed;

TEST(GroupFileName, JoinsPrefixNumberAndAge) {
    EXPECT_EQ(groupFileName(descriptorNamed("conccomp"), "N1", "28"), "SNKY-N1$28.mdb");
    EXPECT_EQ(groupFileName(descriptorNamed("aerblock"), "2024-7", "3"), "ZYJQ-2024-7$3.mdb");
    // gnrl files have no age: group numbers that differ only in age share one file.
    EXPECT_EQ(groupFileName(descriptorNamed("gnrl"), "N1", "28"), "GNRL-N1.mdb");
    EXPECT_EQ(groupFileName(descriptorNamed("gnrl"), "N1", "7"), "GNRL-N1.mdb");
    EXPECT_EQ(groupFilePath("/station", descriptorNamed("firedflex"), "试件 1", "3"),
              std::filesystem::path("/station/output/PZKZ-试件 1$3.mdb"));
}

TEST(GroupFileName, RefusesTextsThatCannotBePartOfAFileName) {
    const MethodDescriptor& method = descriptorNamed("conccomp");
    for (const std::string& number :
         std::vector<std::string>{"", "a/b", "a\\b", "..", "a..b", "a\tb", "a\x7F"}) {
        EXPECT_THROW(groupFileName(method, number, "28"), GroupFileError) << number;
    }
    EXPECT_THROW(groupFileName(method, "N1", ""), GroupFileError);
    EXPECT_THROW(groupFileName(method, "N1", "2/8"), GroupFileError);
    EXPECT_NO_THROW(groupFileName(descriptorNamed("gnrl"), "N1", "")); // gnrl has no age
    // "SNKY-" + number + "$28.mdb" is 12 bytes more than the number.
    EXPECT_NO_THROW(groupFileName(method, std::string(243, '1'), "28"));
    EXPECT_THROW(groupFileName(method, std::string(244, '1'), "28"), GroupFileError);
}

TEST(GroupFileTemplate, PrefersTheFirstTemplate) {
    test::StationFolder station;
    EXPECT_EQ(groupFileTemplate(station.root()), station.templatePath(1));
    std::filesystem::remove(station.templatePath(1));
    EXPECT_EQ(groupFileTemplate(station.root()), station.templatePath(2));
    std::filesystem::remove(station.templatePath(2));
    EXPECT_EQ(groupFileTemplate(station.root()), std::nullopt);
}

TEST(TestSetTexts, OfMoreThanFiftyCharactersAreRefused) {
    EXPECT_NO_THROW(checkTestSetTexts(
        {{"试验人", std::string(50, 'x')}, {"强度等级", "强强强强强强强强强强强强强强强强强强强强"}}));
    std::string fifty;
    for (int i = 0; i < 50; ++i) {
        fifty += "强";
    }
    EXPECT_NO_THROW(checkTestSetTexts({{"强度等级", fifty}})); // characters, not bytes
    EXPECT_THROW(checkTestSetTexts({{"试验人", std::string(51, 'x')}}), GroupFileError);
}

TEST(CreateGroupFile, LeavesNothingWhenTheTemplateCannotTakeTheTable) {
    test::StationFolder station;
    {
        auto spoiled = storage::Database::open(station.templatePath(1).string());
        spoiled.execute("Create Table test_set(name Text(50),str Text(50))");
    }
    const auto path = station.output() / "SNKY-1$28.mdb";
    EXPECT_ANY_THROW(createGroupFile(path, station.templatePath(1), {{"试件编号", "1"}}));
    EXPECT_TRUE(std::filesystem::is_empty(station.output()));
}

TEST(CreateGroupFile, RefusesAMissingOutputFolderCleanly) {
    test::StationFolder station;
    std::filesystem::remove(station.output());
    EXPECT_THROW(createGroupFile(station.output() / "SNKY-1$28.mdb", station.templatePath(1), {{"a", "b"}}),
                 GroupFileError);
}

TEST(TestedCount, IsReadAndOverwritten) {
    test::StationFolder station;
    const auto path = station.output() / "SNKY-1$28.mdb";
    auto file = createGroupFile(path, station.templatePath(1), {{"试件编号", "1"}, {"已试验块数", "2"}});
    EXPECT_EQ(readTestedCount(file), 2);
    writeTestedCount(file, "7");
    EXPECT_EQ(readTestedCount(file), 7);
    EXPECT_EQ(test::testSetOf(path), (std::vector<std::string>{"试件编号=1", "已试验块数=7"}));
    writeTestedCount(file, "x");
    EXPECT_THROW(readTestedCount(file), ConversionError);
}

// The test_set rows a new group file of each plug-in gets with the panel's defaults.
struct RowsCase {
    const char* plugin;
    std::vector<std::string> rows;
};

void PrintTo(const RowsCase& c, std::ostream* out) {
    *out << c.plugin;
}

class TestSetRows : public ::testing::TestWithParam<RowsCase> {};

TEST_P(TestSetRows, FollowThePluginsTable) {
    const MethodDescriptor& method = descriptorNamed(GetParam().plugin);
    test::ModuleHarness harness(method);
    PanelModel& panel = harness.showPanel();
    EXPECT_GT(harness.module.dll_test_start("张三"), 0.0f);
    const std::string age = panel.hasField(FieldId::ComboBox_sjql) ? panel.text(FieldId::ComboBox_sjql) : "";
    EXPECT_EQ(test::testSetOf(test::groupFileFor(harness, method, "2024030500001", age)), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    AllPlugins, TestSetRows,
    ::testing::Values(
        RowsCase{"conccomp",
                 {"试件类型=普通混凝土抗压", "试件编号=2024030500001", "试件日期=20240305", "强度等级=C15",
                  "试件龄期=7", "试件规格=150*150*150", "修正系数=1", "应力速度=0.3", "载荷速度=6.75",
                  "试件块数=3", "是否连续试验=单独试验", "延时时间=16", "已试验块数=0", "试验人=张三"}},
        RowsCase{"concflex",
                 {"试件类型=普通混凝土抗折", "试件编号=2024030500001", "试件日期=20240305", "强度等级=C15",
                  "试件龄期=7", "试件规格=150*150*600", "修正系数=1", "应力速度=0.02", "载荷速度=0.15",
                  "试件块数=3", "是否连续试验=单独试验", "延时时间=16", "已试验块数=0", "试验人=张三"}},
        RowsCase{"cmodulus",
                 {"试件类型=普通混凝土弹性模量", "试件编号=2024030500001", "试件日期=20240305", "强度等级=0",
                  "试件龄期=28", "试件规格=150*150*300", "修正系数=1", "应力速度=0.2", "载荷速度=4.50",
                  "低定载荷=20", "高定载荷=50", "标距=5", "试件块数=3", "是否连续试验=单独试验",
                  "延时时间=16", "已试验块数=0", "试验人=张三"}},
        RowsCase{"firedflex",
                 {"试件类型=烧结普通砖抗折", "试件编号=2024030500001", "试件日期=20240305", "强度等级=A MU30",
                  "试件龄期=1", "试件规格=240*115*53", "跨距=160", "修正系数=1", "应力速度=50", "载荷速度=50",
                  "试件块数=3", "是否连续试验=单独试验", "延时时间=16", "已试验块数=0", "试验人=张三"}},
        RowsCase{"wallflex",
                 {"试件类型=砌墙砖抗折", "试件编号=2024030500001", "试件日期=20240305",
                  "强度等级=P \u00B7I MU30", "试件龄期=1", "试件规格=240*115*53", "跨距=160", "修正系数=1",
                  "应力速度=50", "载荷速度=50", "试件块数=3", "是否连续试验=单独试验", "延时时间=16",
                  "已试验块数=0", "试验人=张三"}},
        RowsCase{"pasteflex",
                 {"试件类型=水泥净浆抗折", "试件编号=2024030500001", "试件日期=20240305",
                  "强度等级=M40 40Mpa", "试件龄期=1", "试件规格=40", "跨距=100", "修正系数=1",
                  "应力速度=50.00", "载荷速度=50.00", "试件块数=3", "是否连续试验=单独试验", "延时时间=16",
                  "已试验块数=0", "试验人=张三"}},
        RowsCase{"mortcomp",
                 {"试件类型=水泥胶砂抗压", "试件编号=2024030500001", "试件日期=20240305",
                  "强度等级=P \u00B7I 42.5", "试件龄期=1", "试件规格=40*40", "修正系数=1", "应力速度=2.4",
                  "载荷速度=2.4", "试件块数=6", "是否连续试验=单独试验", "延时时间=16", "已试验块数=0",
                  "试验人=张三"}},
        RowsCase{"pastecomp",
                 {"试件类型=水泥净浆抗压", "试件编号=2024030500001", "试件日期=20240305",
                  "强度等级=M40 40Mpa", "试件龄期=1", "试件规格=40*40", "修正系数=1", "应力速度=2.4",
                  "载荷速度=2.4", "试件块数=6", "是否连续试验=单独试验", "延时时间=16", "已试验块数=0",
                  "试验人=张三"}},
        RowsCase{"firedcomp",
                 {"试件类型=烧结普通砖抗压", "试件编号=2024030500001", "试件日期=20240305", "强度等级=MU30",
                  "试件龄期=3", "试件规格=240*115*53", "修正系数=1", "应力速度=5.0", "载荷速度=5.0",
                  "试件块数=10", "是否连续试验=单独试验", "延时时间=16", "已试验块数=0", "试验人=张三"}},
        RowsCase{"wallcomp",
                 {"试件类型=砌墙砖抗压", "试件编号=2024030500001", "试件日期=20240305", "强度等级= ",
                  "试件龄期=3", "试件规格=240*115*53", "修正系数=1", "应力速度=4.0", "载荷速度=4.0",
                  "试件块数=10", "是否连续试验=单独试验", "延时时间=16", "已试验块数=0", "试验人=张三"}},
        RowsCase{"unconfcomp",
                 {"试件类型=无侧限抗压", "试件编号=2024030500001", "试件日期=20240305", "强度等级=2Mpa",
                  "试件龄期=7", "试件规格=Φ150*150", "修正系数=1", "应力速度=0.1", "载荷速度=1.77",
                  "试件块数=9", "是否连续试验=单独试验", "延时时间=16", "已试验块数=0", "试验人=张三"}},
        RowsCase{"gnrl",
                 {"试件类型=通用试验", "试件编号=2024030500001", "试件日期=20240305", "试件规格=22500",
                  "修正系数=1", "应力速度=2.4", "试件块数=3", "是否连续试验=单独试验", "延时时间=16",
                  "已试验块数=0", "试验人=张三"}},
        RowsCase{"aerblock",
                 {"试件类型=蒸压加气砌块抗压", "试件编号=2024030500001", "试件日期=20240305", "强度等级=A1.0",
                  "试件龄期=1", "试件规格=600*100*200", "修正系数=1", "应力速度=2", "载荷速度=2",
                  "试件块数=3", "是否连续试验=单独试验", "延时时间=16", "已试验块数=0", "试验人=张三"}}));

} // namespace
} // namespace vamo::plugin
