// Showing the panel from sys_set.ini and save_menu: defaults, keys, save order, read-only and
// written-only keys.
#include "plugins/all_descriptors.h"
#include "tests/plugin/frame/station_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vamo::plugin {
namespace {

using plugins::descriptorNamed;

struct SectionCase {
    const char* plugin;
    const char* section; // the file after showing and closing the panel without a settings file
};

void PrintTo(const SectionCase& c, std::ostream* out) {
    *out << c.plugin;
}

class SavedDefaults : public ::testing::TestWithParam<SectionCase> {};

TEST_P(SavedDefaults, AreWrittenInTheSaveOrder) {
    test::ModuleHarness harness(descriptorNamed(GetParam().plugin));
    harness.showPanel();
    harness.module.Modalclose();
    EXPECT_EQ(harness.station.readSysSet(), GetParam().section);
    EXPECT_FALSE(harness.module.hasPanel());
}

INSTANTIATE_TEST_SUITE_P(
    AllPlugins, SavedDefaults,
    ::testing::Values(
        SectionCase{"conccomp",
                    "[conccomp_menu]\nqddj=C15\nsjql=7\nmj=150*150*150\nxzxs=1\nylsd=0.3\nsjks=3\n"
                    "ddlx=单独试验\nyssj=16\n"},
        SectionCase{"concflex",
                    "[concflex_menu]\nqddj=C15\nsjql=7\nmj=150*150*600\nxzxs=1\nylsd=0.02\nsjks=3\n"
                    "ddlx=单独试验\nyssj=16\n"},
        SectionCase{"cmodulus",
                    "[cmodulus_menu]\nqddj=C60\nsjql=28\nmj=150*150*300\nylsd=0.2\nddzh=20\ngdzh=50\n"
                    "bju=5\ndbxzh=1\ngbxzh=1\ntichu=否\nsjks=3\nddlx=单独试验\nyssj=16\n"},
        SectionCase{"firedflex",
                    "[firedflex_menu]\nqddj=MU30\nsjql=1\nmj=240*115*53\nkj=160\nxzxs=1\nylsd=50\n"
                    "sjks=3\nddlx=单独试验\nyssj=16\n"},
        SectionCase{"wallflex", "[wallflex_menu]\nqddj=MU30\nsjql=1\nmj=240*115*53\nkj=160\nxzxs=1\nylsd=50\n"
                                "sjks=3\nddlx=单独试验\nyssj=16\n"},
        SectionCase{"firedcomp",
                    "[firedcomp_menu]\nqddj=MU30\nsjql=3\nmj=240*115*53\nxzxs=1\nylsd=5.0\nsjks=10\n"
                    "ddlx=单独试验\nyssj=16\n"},
        SectionCase{"pasteflex", "[pasteflex_menu]\nqddj=40Mpa\nsjql=1\nbc=40\nkj=100\nxzxs=1\nylsd=50.00\n"
                                 "sjks=3\nddlx=单独试验\nyssj=16\n"},
        SectionCase{"mortcomp",
                    "[mortcomp_menu]\nsjpz=P \u00B7I\nqddj=42.5\nsjql=1\nmj=40*40\nxzxs=1\nylsd=2.4\n"
                    "sjks=6\nddlx=单独试验\nyssj=16\n"},
        SectionCase{"pastecomp",
                    "[pastecomp_menu]\nsjpz=M40\nqddj=40Mpa\nsjql=1\nmj=40*40\nxzxs=1\nylsd=2.4\n"
                    "sjks=6\nddlx=单独试验\nyssj=16\n"},
        SectionCase{"wallcomp", "[wallcomp_menu]\nqddj= \nsjql=3\nmj=240*115*53\nxzxs=1\nylsd=4.0\nsjks=10\n"
                                "ddlx=单独试验\nyssj=16\n"},
        SectionCase{"unconfcomp",
                    "[unconfcomp_menu]\nqddj=2Mpa\nsjql=7\nmj=Φ150*150\nxzxs=1\nylsd=0.1\nsjks=9\n"
                    "ddlx=单独试验\nyssj=16\n"},
        SectionCase{"gnrl", "[gnrl_menu]\nmj=22500\nxzxs=1\nylsd=2.4\nsjks=3\nddlx=单独试验\nyssj=16\n"},
        SectionCase{"aerblock", "[aerblock_menu]\nqddj=A1.0\nsjql=1\nmj=600*100*200\nxzxs=1\nylsd=2\nsjks=3\n"
                                "ddlx=单独试验\nyssj=16\n"}));

TEST(FormShow, RestoresTheStoredChoices) {
    test::ModuleHarness harness(descriptorNamed("conccomp"));
    harness.station.writeSysSet(
        "[conccomp_menu]\nqddj=C40\nsjql=28\nmj=Φ100*200\nxzxs=0.95\nylsd=0.8\nsjks=2\n"
        "ddlx=连续试验\nyssj=20\n");
    PanelModel& panel = harness.showPanel();
    EXPECT_EQ(panel.text(FieldId::ComboBox_qddj), "C40");
    EXPECT_EQ(panel.text(FieldId::ComboBox_sjql), "28");
    EXPECT_EQ(panel.text(FieldId::ComboBox_mj), "Φ100*200");
    EXPECT_EQ(panel.text(FieldId::ComboBox_xzxs), "0.95");
    EXPECT_EQ(panel.text(FieldId::ComboBox_yssj), "20");
    EXPECT_TRUE(panel.field(FieldId::ComboBox_yssj).visible);
    EXPECT_EQ(panel.grid().rowCount(), 5);
    EXPECT_FLOAT_EQ(panel.area_factor(), 7.8539815f);
    EXPECT_FLOAT_EQ(harness.divisors.back(), static_cast<float>(7.8539815f / 0.95));
    EXPECT_EQ(panel.text(FieldId::speed), "6.28"); // 0.8 x 7.8539815
}

TEST(FormShow, StartsTheDayWithItsFirstGroupNumberAndAClearedRecord) {
    test::ModuleHarness harness(descriptorNamed("conccomp"));
    harness.module.record().curorder = "2";
    harness.module.record().shch_flag = "5aa5";
    PanelModel& panel = harness.showPanel();
    EXPECT_EQ(panel.text(FieldId::Edit_bh), "2024030500001");
    EXPECT_EQ(harness.module.record().curorder, "0");
    EXPECT_EQ(harness.module.record().shch_flag, "");
}

TEST(FormShow, FillsTheItemsInTableOrder) {
    test::ModuleHarness harness(descriptorNamed("conccomp"));
    PanelModel& panel = harness.showPanel();
    EXPECT_EQ(panel.field(FieldId::ComboBox_mj).items,
              (std::vector<std::string>{"100*100*100", "150*150*150", "200*200*200", "Φ150*300", "Φ100*200",
                                        "Φ200*400", "Φ100*100"}));
    EXPECT_EQ(panel.field(FieldId::ComboBox_sjks).items, (std::vector<std::string>{"1", "2", "3"}));
}

TEST(FormShow, SelectsTheSecondItemOfAPickListForAnyOtherText) {
    test::ModuleHarness harness(descriptorNamed("cmodulus"));
    harness.station.writeSysSet("[cmodulus_menu]\nddlx=anything\ntichu=no\n");
    PanelModel& panel = harness.showPanel();
    EXPECT_EQ(panel.text(FieldId::ComboBox_ddlx), "连续试验");
    EXPECT_EQ(panel.text(FieldId::ComboBox_tichu), "是");
}

TEST(ReadOnlyKey, IsReadButNeverWritten) {
    test::ModuleHarness harness(descriptorNamed("firedflex"));
    PanelModel& panel = harness.showPanel();
    EXPECT_EQ(panel.text(FieldId::ComboBox_sjpz), "A");
    panel.operatorChanged(FieldId::ComboBox_sjpz, "B");
    harness.module.Modalclose();
    EXPECT_EQ(harness.station.readSysSet().find("sjpz"), std::string::npos);
    EXPECT_EQ(harness.showPanel().text(FieldId::ComboBox_sjpz), "A"); // never restored

    harness.module.Modalclose();
    harness.station.writeSysSet("[firedflex_menu]\nsjpz=C\n"); // written by something else: read
    EXPECT_EQ(harness.showPanel().text(FieldId::ComboBox_sjpz), "C");
}

TEST(WrittenOnlyKey, IsWrittenButNeverRead) {
    test::ModuleHarness harness(descriptorNamed("wallcomp"));
    harness.station.writeSysSet("[wallcomp_menu]\nqddj=MU10\n");
    PanelModel& panel = harness.showPanel();
    EXPECT_EQ(panel.text(FieldId::ComboBox_qddj), " ");
    EXPECT_EQ(panel.field(FieldId::ComboBox_qddj).items, (std::vector<std::string>{" "}));
    EXPECT_FALSE(panel.field(FieldId::ComboBox_qddj).visible);
    harness.module.Modalclose();
    EXPECT_NE(harness.station.readSysSet().find("qddj= \n"), std::string::npos);
}

TEST(SaveMenu, LeavesTheOtherSectionsAsTheyWere) {
    test::ModuleHarness harness(descriptorNamed("gnrl"));
    const std::string others = "[基本参数]\r\n力值起限=0.5\r\n\r\n[conccomp_menu]\r\nqddj=C30\r\n";
    harness.station.writeSysSet(others + "\r\n[gnrl_menu]\r\nmj=40000\r\nextra=kept\r\n");
    PanelModel& panel = harness.showPanel();
    EXPECT_EQ(panel.text(FieldId::ComboBox_mj), "40000");
    panel.operatorChanged(FieldId::ComboBox_mj, "7853");
    harness.module.Modalclose();
    EXPECT_EQ(harness.station.readSysSet(),
              others
                  + "\r\n[gnrl_menu]\r\nmj=7853\r\nextra=kept\r\nxzxs=1\r\nylsd=2.4\r\nsjks=3\r\n"
                    "ddlx=单独试验\r\nyssj=16\r\n");
}

TEST(AerblockMode, StartsDisabledUntilTheLockIsReleased) {
    test::ModuleHarness harness(descriptorNamed("aerblock"));
    PanelModel& panel = harness.showPanel();
    EXPECT_FALSE(panel.field(FieldId::ComboBox_ddlx).enabled);
    EXPECT_TRUE(panel.field(FieldId::ComboBox_mj).enabled);
    harness.module.dll_test_stop();
    EXPECT_TRUE(panel.field(FieldId::ComboBox_ddlx).enabled);
}

} // namespace
} // namespace vamo::plugin
