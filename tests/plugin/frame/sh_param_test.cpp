// set_sh_param: the record, the panel assignments by plug-in, the age rules, the guige split and the
// tested count of an existing group file.
#include "plugin/frame/plugin_error.h"
#include "plugins/all_descriptors.h"
#include "tests/plugin/frame/station_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vamo::plugin {
namespace {

using plugins::descriptorNamed;

// xmid, grou_table, synum, keynum, curorder, testcount, guige, specgl, area, size1, size2, size3,
// shch_flag, hjwd, sy_sb
ShParamArguments arguments(const std::string& xmid, const std::string& synum, const std::string& guige,
                           const std::string& size1, const std::string& size2,
                           const std::string& curorder = "0", const std::string& testcount = "3") {
    return {xmid,   "table", synum, "key", curorder, testcount, guige,   "spec",
            "area", size1,   size2, "s3",  "5aa5",   "25",      "device"};
}

TEST(ShParam, CopiesTheArgumentsIntoTheRecordInOrder) {
    test::ModuleHarness harness(descriptorNamed("conccomp"));
    harness.showPanel();
    sh_set_all_m& record = harness.module.record();
    record.test_all_time = "12.5";
    record.set_gly = "张三";
    const ShParamArguments texts{"x1", "x2",  "x3",  "x4",  "x5",  "2",   "x7", "x8",
                                 "x9", "100", "100", "x12", "x13", "x14", "x15"};
    EXPECT_EQ(harness.module.set_sh_param(texts), 1);
    EXPECT_EQ(record.xmid, "x1");
    EXPECT_EQ(record.grou_table, "x2");
    EXPECT_EQ(record.synum, "x3");
    EXPECT_EQ(record.keynum, "x4");
    EXPECT_EQ(record.curorder, "x5");
    EXPECT_EQ(record.testcount, "2");
    EXPECT_EQ(record.guige, "x7");
    EXPECT_EQ(record.specgl, "x8");
    EXPECT_EQ(record.area, "x9");
    EXPECT_EQ(record.size1, "100");
    EXPECT_EQ(record.size2, "100");
    EXPECT_EQ(record.size3, "x12");
    EXPECT_EQ(record.shch_flag, "x13");
    EXPECT_EQ(record.hjwd, "x14");
    EXPECT_EQ(record.sy_sb, "x15");
    EXPECT_EQ(record.test_all_time, "12.5");
    EXPECT_EQ(record.set_gly, "张三");
}

TEST(ShParam, FillsThePanelRunsTheHandlersAndCreatesNoFile) {
    test::ModuleHarness harness(descriptorNamed("conccomp"));
    PanelModel& panel = harness.showPanel();
    EXPECT_EQ(harness.module.set_sh_param(arguments("1", "T-001", "C30", "100", "100", "0", "2")), 1);
    EXPECT_EQ(panel.text(FieldId::Edit_bh), "T-001");
    EXPECT_EQ(panel.text(FieldId::ComboBox_qddj), "C30");
    EXPECT_EQ(panel.text(FieldId::ComboBox_sjql), "7"); // unchanged
    EXPECT_EQ(panel.text(FieldId::ComboBox_mj), "100*100");
    EXPECT_EQ(panel.text(FieldId::ComboBox_sjks), "2");
    EXPECT_FLOAT_EQ(panel.area_factor(), 10.0f);
    EXPECT_EQ(panel.text(FieldId::speed), "3.00"); // 0.3 x 10
    EXPECT_EQ(panel.grid().rowCount(), 5);
    EXPECT_TRUE(std::filesystem::is_empty(harness.station.output()));
}

struct AssignmentCase {
    const char* plugin;
    std::string xmid;
    std::string guige;
    const char* variety; // nullptr: the plug-in has no variety field
    const char* grade; // nullptr: no grade field
    const char* age; // nullptr: no age field
    FieldId sizeField;
    const char* size;
};

void PrintTo(const AssignmentCase& c, std::ostream* out) {
    *out << c.plugin << " xmid " << c.xmid << " guige " << c.guige;
}

class ShParamAssignments : public ::testing::TestWithParam<AssignmentCase> {};

TEST_P(ShParamAssignments, FollowThePluginsTable) {
    const AssignmentCase& c = GetParam();
    test::ModuleHarness harness(descriptorNamed(c.plugin));
    PanelModel& panel = harness.showPanel();
    const std::string ageBefore =
        panel.hasField(FieldId::ComboBox_sjql) ? panel.text(FieldId::ComboBox_sjql) : "";
    EXPECT_EQ(harness.module.set_sh_param(arguments(c.xmid, "G1", c.guige, "40", "60")), 1);
    if (c.variety != nullptr) {
        EXPECT_EQ(panel.text(FieldId::ComboBox_sjpz), c.variety);
    }
    if (c.grade != nullptr) {
        EXPECT_EQ(panel.text(FieldId::ComboBox_qddj), c.grade);
    }
    if (c.age != nullptr) {
        EXPECT_EQ(panel.text(FieldId::ComboBox_sjql), std::string(c.age).empty() ? ageBefore : c.age);
    }
    EXPECT_EQ(panel.text(c.sizeField), c.size);
}

INSTANTIATE_TEST_SUITE_P(
    ByPlugin, ShParamAssignments,
    ::testing::Values(
        AssignmentCase{"cmodulus", "27", "C50", nullptr, "C50", "", FieldId::ComboBox_mj, "40*60"},
        AssignmentCase{"aerblock", "27", "A5.0", nullptr, "A5.0", "", FieldId::ComboBox_mj, "40*60"},
        AssignmentCase{"firedcomp", "1", "MU10", "A", "MU10", "", FieldId::ComboBox_mj, "40*60"},
        AssignmentCase{"firedflex", "27", "MU15", "A", "MU15", "3", FieldId::ComboBox_mj, "40"},
        AssignmentCase{"firedflex", "29", "MU15", "A", "MU15", "28", FieldId::ComboBox_mj, "40"},
        AssignmentCase{"wallflex", "27", "P \u00B7O/MU20", "P \u00B7O", "MU20", "3", FieldId::ComboBox_mj,
                       "40"},
        AssignmentCase{"wallflex", "1", "a/b/c", "a", "b/c", "28", FieldId::ComboBox_mj, "40"},
        // Without "/" the whole text is the grade.
        AssignmentCase{"wallflex", "1", "MU20", "", "MU20", "28", FieldId::ComboBox_mj, "40"},
        AssignmentCase{"pasteflex", "27", "M5/M10", "M5", "M10", "3", FieldId::ComboBox_bc, "40"},
        AssignmentCase{"pasteflex", "513", "/M10", "", "M10", "28", FieldId::ComboBox_bc, "40"},
        AssignmentCase{"mortcomp", "29", "P \u00B7I/42.5R", "P \u00B7I", "42.5R", "3", FieldId::ComboBox_mj,
                       "40*60"},
        AssignmentCase{"mortcomp", "513", "a/b", "a", "b", "3", FieldId::ComboBox_mj, "40*60"},
        AssignmentCase{"mortcomp", "515", "a/b", "a", "b", "3", FieldId::ComboBox_mj, "40*60"},
        AssignmentCase{"mortcomp", "525", "a/b", "a", "b", "3", FieldId::ComboBox_mj, "40*60"},
        AssignmentCase{"mortcomp", "527", "a/b", "a", "b", "3", FieldId::ComboBox_mj, "40*60"},
        AssignmentCase{"mortcomp", "1", "a/b", "a", "b", "28", FieldId::ComboBox_mj, "40*60"},
        AssignmentCase{"mortcomp", "27", "a/", "a", "", "28", FieldId::ComboBox_mj, "40*60"},
        AssignmentCase{"pastecomp", "29", "M40/40Mpa", "M40", "40Mpa", "3", FieldId::ComboBox_mj, "40*60"},
        AssignmentCase{"pastecomp", "513", "M40/40Mpa", "M40", "40Mpa", "28", FieldId::ComboBox_mj,
                       "40*60"}));

TEST(ShParam, OfTheGeneralTestPutsTheSizesIntoTheAreaField) {
    test::ModuleHarness harness(descriptorNamed("gnrl"));
    PanelModel& panel = harness.showPanel();
    // The area field takes size1 "*" size2 like the others; a text that is no number then ends the call
    // in the size handler with the conversion error.
    EXPECT_THROW(harness.module.set_sh_param(arguments("29", "G1", "C30", "40", "60")), ConversionError);
    EXPECT_EQ(panel.text(FieldId::Edit_bh), "G1");
    EXPECT_EQ(panel.text(FieldId::ComboBox_mj), "40*60");
}

TEST(ShParam, OverwritesTheTestedCountOfAnExistingGroupFile) {
    test::ModuleHarness harness(descriptorNamed("conccomp"));
    harness.showPanel();
    ASSERT_GT(harness.module.dll_test_start("张三"), 0.0f);
    const auto path = test::groupFileFor(harness, harness.module.method(), "2024030500001", "7");
    EXPECT_EQ(harness.module.set_sh_param(arguments("1", "2024030500001", "C30", "150", "150", "2")), 1);
    EXPECT_EQ(harness.module.groupFile(), nullptr); // closed again
    EXPECT_EQ(test::testSetOf(path).at(12), "已试验块数=2");
}

TEST(ShParam, OfAGroupNumberThatCannotNameAFileIsAnError) {
    test::ModuleHarness harness(descriptorNamed("conccomp"));
    harness.showPanel();
    EXPECT_ANY_THROW(harness.module.set_sh_param(arguments("1", "../x", "C30", "150", "150")));
    EXPECT_TRUE(std::filesystem::is_empty(harness.station.output()));
}

} // namespace
} // namespace vamo::plugin
