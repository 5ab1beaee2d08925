// The factor, stress-rate, count, mode and grade handlers, the load speed target and the event table.
#include "plugin/frame/plugin_error.h"
#include "plugins/all_descriptors.h"
#include "tests/plugin/frame/station_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vamo::plugin {
namespace {

using plugins::descriptorNamed;

std::vector<std::string> column0(const PanelModel& panel) {
    std::vector<std::string> labels;
    for (int row = 0; row < panel.grid().rowCount(); ++row) {
        labels.push_back(panel.grid().cell(0, row));
    }
    return labels;
}

std::vector<std::string> titles(const PanelModel& panel) {
    return {panel.grid().cell(0, 0), panel.grid().cell(1, 0), panel.grid().cell(2, 0)};
}

TEST(StressRateHandler, ShowsTheLoadSpeedWithTwoDecimals) {
    test::ModuleHarness conccomp(descriptorNamed("conccomp"));
    PanelModel& concrete = conccomp.showPanel();
    concrete.operatorChanged(FieldId::ComboBox_mj, "150*150*150");
    concrete.operatorChanged(FieldId::ComboBox_ylsd, "0.5");
    EXPECT_EQ(concrete.text(FieldId::ComboBox_xzxs), "1");
    EXPECT_EQ(concrete.text(FieldId::speed), "11.25");
    EXPECT_FLOAT_EQ(conccomp.module.dll_test_getsp(), 11.25f);

    test::ModuleHarness concflex(descriptorNamed("concflex"));
    PanelModel& beam = concflex.showPanel();
    beam.operatorChanged(FieldId::ComboBox_mj, "150*150*600");
    beam.operatorChanged(FieldId::ComboBox_ylsd, "0.05");
    EXPECT_EQ(beam.text(FieldId::speed), "0.38"); // 0.375 rounded to two decimals
    EXPECT_FLOAT_EQ(concflex.module.dll_test_getsp(), 0.38f);
}

TEST(StressRateHandler, ThatIsNoNumberIsAConversionErrorAndKeepsTheShownSpeed) {
    test::ModuleHarness harness(descriptorNamed("conccomp"));
    PanelModel& panel = harness.showPanel();
    const std::string shown = panel.text(FieldId::speed);
    EXPECT_THROW(panel.operatorChanged(FieldId::ComboBox_ylsd, "fast"), ConversionError);
    EXPECT_EQ(panel.text(FieldId::speed), shown);
}

TEST(StressRateHandler, LeavesTheSpeedAloneWhereTheFieldIsTheSpeed) {
    test::ModuleHarness harness(descriptorNamed("firedcomp"));
    PanelModel& panel = harness.showPanel();
    EXPECT_FALSE(panel.hasField(FieldId::speed));
    panel.operatorChanged(FieldId::ComboBox_ylsd, "not a number"); // nothing is computed from it
    EXPECT_THROW(harness.module.dll_test_getsp(), ConversionError);
}

TEST(FactorHandler, HandsTheDivisorToTheHost) {
    test::ModuleHarness conccomp(descriptorNamed("conccomp"));
    PanelModel& concrete = conccomp.showPanel();
    conccomp.divisors.clear();
    concrete.operatorChanged(FieldId::ComboBox_xzxs, "0.95");
    ASSERT_EQ(conccomp.divisors.size(), 1u);
    EXPECT_FLOAT_EQ(conccomp.divisors.back(), static_cast<float>(22.5 / 0.95));
    EXPECT_FLOAT_EQ(concrete.strengthDivisor(), conccomp.divisors.back());

    test::ModuleHarness gnrl(descriptorNamed("gnrl"));
    PanelModel& general = gnrl.showPanel();
    general.operatorChanged(FieldId::ComboBox_xzxs, "1.05");
    general.operatorChanged(FieldId::ComboBox_mj, "22500");
    EXPECT_FLOAT_EQ(gnrl.divisors.back(), static_cast<float>(22.5 / 1.05));
}

TEST(FactorHandler, ThatIsNoNumberIsAConversionError) {
    test::ModuleHarness harness(descriptorNamed("conccomp"));
    PanelModel& panel = harness.showPanel();
    EXPECT_THROW(panel.operatorChanged(FieldId::ComboBox_xzxs, "x"), ConversionError);
}

TEST(EdgeHandler, DividesByTheFactorWithoutTheFactorHandler) {
    test::ModuleHarness harness(descriptorNamed("pasteflex"));
    PanelModel& panel = harness.showPanel();
    panel.setText(FieldId::ComboBox_xzxs, "1.35");
    panel.operatorChanged(FieldId::ComboBox_kj, "100"); // the span alone recomputes nothing
    panel.operatorChanged(FieldId::ComboBox_bc, "40");
    EXPECT_FLOAT_EQ(panel.area_factor(), 0.42666668f);
    EXPECT_NEAR(harness.divisors.back(), 0.3161f, 0.0001f);
    EXPECT_FLOAT_EQ(harness.divisors.back(), static_cast<float>(0.42666668f / 1.35));

    const std::size_t handedOver = harness.divisors.size();
    panel.operatorChanged(FieldId::ComboBox_xzxs, "1");
    panel.operatorChanged(FieldId::ComboBox_kj, "50");
    EXPECT_EQ(harness.divisors.size(), handedOver);
}

// Which plug-ins hand over a new divisor when the operator changes the factor alone.
struct FactorEventCase {
    const char* plugin;
    bool recomputes;
};

void PrintTo(const FactorEventCase& c, std::ostream* out) {
    *out << c.plugin;
}

class FactorEvent : public ::testing::TestWithParam<FactorEventCase> {};

TEST_P(FactorEvent, RunsTheFactorHandlerWhereThePluginSaysSo) {
    test::ModuleHarness harness(descriptorNamed(GetParam().plugin));
    PanelModel& panel = harness.showPanel();
    const std::size_t before = harness.divisors.size();
    panel.operatorChanged(FieldId::ComboBox_xzxs, "1.35");
    EXPECT_EQ(harness.divisors.size() > before, GetParam().recomputes);
}

INSTANTIATE_TEST_SUITE_P(
    AllWithAFactor, FactorEvent,
    ::testing::Values(FactorEventCase{"conccomp", true}, FactorEventCase{"concflex", true},
                      FactorEventCase{"firedcomp", true}, FactorEventCase{"wallcomp", true},
                      FactorEventCase{"unconfcomp", true}, FactorEventCase{"aerblock", true},
                      FactorEventCase{"firedflex", true}, FactorEventCase{"wallflex", true},
                      FactorEventCase{"gnrl", true}, FactorEventCase{"mortcomp", false},
                      FactorEventCase{"pastecomp", false}, FactorEventCase{"pasteflex", false}));

TEST(SizeHandler, OfTheModulusHandsOverTheAreaAsDivisor) {
    test::ModuleHarness harness(descriptorNamed("cmodulus"));
    PanelModel& panel = harness.showPanel();
    panel.operatorChanged(FieldId::ComboBox_mj, "100*100*300");
    EXPECT_FLOAT_EQ(harness.divisors.back(), 10.0f);
    panel.operatorChanged(FieldId::ComboBox_ylsd, "0.4");
    EXPECT_EQ(panel.text(FieldId::speed), "4.00");
}

TEST(SpanChange, RunsTheSizeHandlerOfTheBrickBending) {
    test::ModuleHarness harness(descriptorNamed("firedflex"));
    PanelModel& panel = harness.showPanel();
    panel.operatorChanged(FieldId::ComboBox_kj, "100");
    EXPECT_FLOAT_EQ(panel.area_factor(), 2.1535666f);
}

struct SpeedCase {
    const char* plugin;
    const char* stressRate;
    float speed;
};

void PrintTo(const SpeedCase& c, std::ostream* out) {
    *out << c.plugin << " " << c.stressRate;
}

class TargetSpeed : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(TargetSpeed, IsWhatThePanelShows) {
    test::ModuleHarness harness(descriptorNamed(GetParam().plugin));
    PanelModel& panel = harness.showPanel();
    panel.operatorChanged(FieldId::ComboBox_ylsd, GetParam().stressRate);
    EXPECT_FLOAT_EQ(harness.module.dll_test_getsp(), GetParam().speed);
}

INSTANTIATE_TEST_SUITE_P(
    AllPlugins, TargetSpeed,
    ::testing::Values(SpeedCase{"conccomp", "0.3", 6.75f}, // 0.3 x 22.5
                      SpeedCase{"concflex", "0.02", 0.15f}, // 0.02 x 7.5
                      SpeedCase{"unconfcomp", "0.1", 1.77f}, // 0.1 x 17.671459 shown as "1.77"
                      SpeedCase{"cmodulus", "0.2", 4.5f}, // 0.2 x 22.5
                      SpeedCase{"wallflex", "50", 0.05f}, // N/s
                      SpeedCase{"pasteflex", "110.00", 0.11f}, SpeedCase{"firedflex", "150", 150.0f},
                      SpeedCase{"firedcomp", "5.0", 5.0f}, SpeedCase{"mortcomp", "2.4", 2.4f},
                      SpeedCase{"pastecomp", "0.6", 0.6f}, SpeedCase{"wallcomp", "4.0", 4.0f},
                      SpeedCase{"gnrl", "10.0", 10.0f}, SpeedCase{"aerblock", "2", 2.0f}));

TEST(CountHandler, BuildsTheTitlesAndOneRowPerSpecimen) {
    test::ModuleHarness harness(descriptorNamed("conccomp"));
    PanelModel& panel = harness.showPanel();
    panel.operatorChanged(FieldId::ComboBox_sjks, "4");
    EXPECT_EQ(titles(panel), (std::vector<std::string>{" 序号", " 力值 (kN)", " 强度 (MPa)"}));
    EXPECT_EQ(column0(panel), (std::vector<std::string>{" 序号", "第1块", "第2块", "第3块", "第4块",
                                                        "有效力值", "有效强度"}));
}

TEST(CountHandler, ClearsWhatTheEvaluationWrote) {
    test::ModuleHarness harness(descriptorNamed("conccomp"));
    PanelModel& panel = harness.showPanel();
    panel.setGridCell(1, 1, "300.00");
    panel.operatorChanged(FieldId::ComboBox_sjks, "3");
    EXPECT_EQ(panel.grid().cell(1, 1), "");
}

TEST(CountHandler, OfTheModulusHasItsOwnTitles) {
    test::ModuleHarness harness(descriptorNamed("cmodulus"));
    PanelModel& panel = harness.showPanel();
    panel.operatorChanged(FieldId::ComboBox_sjks, "2");
    EXPECT_EQ(titles(panel), (std::vector<std::string>{" 序号", "弹性模量(MPa)", "最大载荷(kN)"}));
    EXPECT_EQ(column0(panel), (std::vector<std::string>{" 序号", "第1块", "第2块", "弹性模量", "有效强度"}));
}

TEST(CountHandler, OfACountThatIsNoUsableIntegerBuildsFourRows) {
    test::ModuleHarness harness(descriptorNamed("conccomp"));
    PanelModel& panel = harness.showPanel();
    const std::vector<std::string> fourRows{" 序号", "第1块", "有效力值", "有效强度"};
    for (const char* count : {"", "x", "2.5", "-3", "1000000000"}) {
        panel.operatorChanged(FieldId::ComboBox_sjks, count);
        EXPECT_EQ(column0(panel), fourRows) << '"' << count << '"';
    }
    panel.operatorChanged(FieldId::ComboBox_sjks, "0");
    EXPECT_EQ(column0(panel), (std::vector<std::string>{" 序号", "有效力值", "有效强度"}));
}

TEST(CountHandler, OfFiredBricksRaisesForACountThatIsNoInteger) {
    test::ModuleHarness harness(descriptorNamed("firedcomp"));
    PanelModel& panel = harness.showPanel();
    EXPECT_THROW(panel.operatorChanged(FieldId::ComboBox_sjks, "x"), ConversionError);
}

TEST(ModeHandler, ShowsTheDelayOnlyForContinuousTesting) {
    test::ModuleHarness harness(descriptorNamed("conccomp"));
    PanelModel& panel = harness.showPanel();
    EXPECT_FALSE(panel.field(FieldId::ComboBox_yssj).visible);
    panel.operatorChanged(FieldId::ComboBox_ddlx, "连续试验");
    EXPECT_TRUE(panel.field(FieldId::ComboBox_yssj).visible);
    panel.operatorChanged(FieldId::ComboBox_ddlx, "单独试验");
    EXPECT_FALSE(panel.field(FieldId::ComboBox_yssj).visible);
}

struct DecimalsCase {
    const char* plugin;
    const char* grade;
    const char* strengthDecimals;
};

void PrintTo(const DecimalsCase& c, std::ostream* out) {
    *out << c.plugin << " " << c.grade;
}

class GradeHandler : public ::testing::TestWithParam<DecimalsCase> {};

TEST_P(GradeHandler, SetsTheStrengthDecimals) {
    test::ModuleHarness harness(descriptorNamed(GetParam().plugin));
    PanelModel& panel = harness.showPanel();
    EXPECT_EQ(panel.force_decimals(), "2");
    EXPECT_EQ(panel.size_decimals(), "3");
    panel.operatorChanged(FieldId::ComboBox_qddj, GetParam().grade);
    EXPECT_EQ(panel.strength_decimals(), GetParam().strengthDecimals);
}

INSTANTIATE_TEST_SUITE_P(
    ByPlugin, GradeHandler,
    ::testing::Values(DecimalsCase{"unconfcomp", "2Mpa", "2"}, DecimalsCase{"unconfcomp", "4Mpa", "1"},
                      DecimalsCase{"firedcomp", "MU10", "2"}, DecimalsCase{"wallcomp", " ", "2"},
                      DecimalsCase{"conccomp", "C30", "1"}, DecimalsCase{"mortcomp", "42.5", "1"}));

TEST(GradeHandler, OfTheUnconfinedTestRunsWhenThePanelIsShown) {
    test::ModuleHarness four(descriptorNamed("unconfcomp"));
    four.station.writeSysSet("[unconfcomp_menu]\nqddj=4Mpa\n");
    EXPECT_EQ(four.showPanel().strength_decimals(), "1");

    test::ModuleHarness two(descriptorNamed("unconfcomp"));
    EXPECT_EQ(two.showPanel().strength_decimals(), "2"); // default grade 2Mpa
}

} // namespace
} // namespace vamo::plugin
