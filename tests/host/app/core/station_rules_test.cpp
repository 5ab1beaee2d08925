#include "host/app/core/chart_axes.h"
#include "host/app/core/method_table.h"
#include "host/app/core/server_link.h"
#include "host/app/core/settings_forms.h"
#include "host/app/core/station_texts.h"
#include "host/app/core/window_layout.h"
#include "host/settings/sys_set_file.h"
#include "platform/ini_file.h"
#include "tests/support/temp_station.h"

#include <gtest/gtest.h>

namespace vamo::host {
namespace {

TEST(ChartAxes, GrowOneStepPerPointAndResetAtEveryRun) {
    ChartAxes axes;
    axes.resetForRun();
    EXPECT_EQ(axes.time, (AxisScale{0, 40, 5, false}));
    EXPECT_EQ(axes.force, (AxisScale{0, 1000, 100, false}));
    axes.growFor(41, 10);
    EXPECT_EQ(axes.time.maximum, 45);
    EXPECT_EQ(axes.time.increment, 4.5);
    axes.growFor(41, 1010);
    EXPECT_EQ(axes.time.maximum, 45) << "41 s is inside 45 s";
    EXPECT_EQ(axes.force.maximum, 1050);
    EXPECT_EQ(axes.force.increment, 105);
    axes.growFor(100, 10);
    EXPECT_EQ(axes.time.maximum, 50) << "a jump is caught up one step per point";

    ChartAxes block;
    block.force.minimum = 5;
    block.applyAeratedBlock();
    EXPECT_EQ(block.force, (AxisScale{0, 100, 10, false}));
    EXPECT_EQ(block.time, (AxisScale{0, 20, 2, false}));
    EXPECT_EQ(block.forceTitle, "载荷(kN)");

    ChartAxes system;
    system.applySystemRange();
    EXPECT_EQ(system.time.maximum, 40);
    EXPECT_EQ(system.force.increment, 100);
}

TEST(WindowLayout, StripWidthsFollowTheWindowWidthMinusThePanelArea) {
    const auto narrow = topStripLayout(1000, 270);
    EXPECT_EQ(narrow.stripWidth, 730);
    EXPECT_EQ(narrow.forcePanel.width, 271);
    EXPECT_EQ(narrow.forcePanel.left, 1);
    EXPECT_EQ(narrow.forceDisplay.width, 730 * 210 / 745);
    EXPECT_EQ(narrow.strengthPanel.left, 272);
    EXPECT_EQ(narrow.peakStrengthPanel.left, 272);
    EXPECT_EQ(narrow.speedPanel.left, 271 + 730 * 241 / 745 + 1);
    EXPECT_EQ(narrow.timePanel.left, narrow.speedPanel.left);
    EXPECT_EQ(narrow.displayFontSize, 28);
    EXPECT_EQ(narrow.toolBarFontSize, 9);
    const auto wide = topStripLayout(1024, 300);
    EXPECT_EQ(wide.displayFontSize, 40);
    EXPECT_EQ(wide.toolBarFontSize, 11);
}

TEST(StationTexts, TitleAndUploadStatus) {
    EXPECT_EQ(windowTitle("sys"), "压力机试验系统（2000kN）");
    EXPECT_EQ(windowTitle("300kN"), "压力机试验系统300kN");
    EXPECT_EQ(windowTitle("0"), "压力机试验系统0");
    EXPECT_EQ(uploadStatusText(1), std::string(stationLabel) + " 上传");
    EXPECT_EQ(uploadStatusText(0), std::string(stationLabel) + " 不上传");
    EXPECT_EQ(uploadStatusText(2), std::string(stationLabel) + " 不上传");
    EXPECT_EQ(methodStatusText("无侧限"), " 试验类型:无侧限");
}

TEST(MethodTable, SeventeenEntriesInMenuOrder) {
    const auto& table = methodTable();
    EXPECT_EQ(table[0].caption, "普通混凝土抗压");
    EXPECT_EQ(table[0].pluginName, "conccomp");
    EXPECT_EQ(table[2].caption, "普通混凝土劈列抗拉");
    EXPECT_EQ(table[2].methodName, "普通混凝土劈裂抗拉");
    EXPECT_EQ(table[8].menuItem, "N91");
    EXPECT_EQ(table[8].methodName, "无侧限");
    EXPECT_EQ(table[11].pluginName, "aerblock");
    EXPECT_EQ(table[14].caption, "砌墙砖试抗折");
    EXPECT_EQ(table[14].methodName, "砌墙砖抗折");
    EXPECT_EQ(table[16].menuItem, "blcp1");
}

TEST(SettingsForms, SerialDialogReadsWritesAndRefusesAPortWithoutDigits) {
    testing::TempStation station;
    const auto file = station.settingsFile();
    EXPECT_EQ(SerialSettingsForm::load(file), SerialSettingsForm::defaults()) << "no section: COM1 9600 8N1";

    station.write("sys_set.ini", "[串口设置]\nCOM=2\nboud=7\n");
    const auto loaded = SerialSettingsForm::load(file);
    EXPECT_EQ(loaded.portText, "COM3");
    EXPECT_EQ(loaded.baud, -1) << "no baud entry is selected for an index outside the list";

    SerialChoice choice;
    choice.portText = "COM10";
    choice.baud = 3;
    SerialSettingsForm::confirm(file, choice);
    EXPECT_EQ(platform::readIniValue(file, "串口设置", "COM", ""), "9");
    EXPECT_EQ(platform::readIniValue(file, "串口设置", "boud", ""), "3");

    const std::string before = station.read("sys_set.ini");
    choice.portText = "port";
    EXPECT_THROW(SerialSettingsForm::confirm(file, choice), std::exception);
    EXPECT_EQ(station.read("sys_set.ini"), before) << "nothing is written";
}

TEST(SettingsForms, ParameterDialogTakesThresholdsToThreeDecimals) {
    testing::TempStation station;
    const auto file = station.settingsFile();
    const auto shown = ParameterSettingsForm::load(file);
    EXPECT_EQ(shown.zeroThreshold, "0.500");
    EXPECT_EQ(shown.startThreshold, "5.000");
    EXPECT_EQ(shown.waitSeconds, "100");

    ParameterTexts texts = shown;
    texts.startThreshold = "7.45678";
    texts.waitSeconds = "60";
    ParameterSettingsForm::confirm(file, texts);
    const auto saved = settings::load_sys_set(file);
    EXPECT_EQ(saved.startThreshold, 7.457f);
    EXPECT_EQ(saved.runWaitSeconds, 60);
    EXPECT_EQ(platform::readIniValue(file, "基本参数", "破碎起判力值", ""), "7.45699977874756");

    const std::string before = station.read("sys_set.ini");
    texts.recordThreshold = "abc";
    EXPECT_THROW(ParameterSettingsForm::confirm(file, texts), std::exception);
    EXPECT_EQ(station.read("sys_set.ini"), before);
}

TEST(SettingsForms, AccessCodes) {
    for (const char* code : {"583", "40963517"}) {
        EXPECT_TRUE(systemAccessCodeAccepted(code)) << code;
    }
    for (const char* code : {"", "584", " 583", "583 "}) {
        EXPECT_FALSE(systemAccessCodeAccepted(code)) << code;
    }
}

TEST(ServerLink, LabelFlagsAndAMissingUploadProgram) {
    testing::TempStation station;
    EXPECT_EQ(linkLabel(station.folder(), 0), "上传网络状态:----");
    EXPECT_EQ(linkLabel(station.folder(), 1), "上传网络状态:断开");
    station.write("shangchuan/pz_set.ini", "[SC_FLAG]\nLink_Flag=1\n");
    EXPECT_EQ(linkLabel(station.folder(), 1), "上传网络状态:连接");

    EXPECT_EQ(startUploadProgram(station.folder()),
              std::optional<std::string>("up_Error: 指定的文件没有找到. "));
    const auto file = uploadSettingsFile(station.folder());
    EXPECT_EQ(platform::readIniValue(file, "SC_Flag", "End_Flag", ""), "1");
    EXPECT_EQ(platform::readIniValue(file, "SC_Flag", "Link_Flag", ""), "0");
    writeEndFlag(station.folder(), "0");
    EXPECT_EQ(platform::readIniValue(file, "SC_Flag", "End_Flag", ""), "0");
    EXPECT_EQ(uploadStartMessage(33), std::nullopt);
    EXPECT_EQ(uploadStartMessage(4), std::nullopt);
}

} // namespace
} // namespace vamo::host

#include "host/app/core/curve_thinning.h"

namespace vamo::host {
namespace {

TEST(CurveThinning, KeepsTheShownCurveBoundedAndItsPeak) {
    CurveThinning thinning(100);
    int replaced = 0;
    for (int i = 0; i < 10000; ++i) {
        const double force = i == 7777 ? 999.0 : static_cast<double>(i % 300);
        if (thinning.add({i * 0.2, force}) == CurveThinning::Change::Replaced) {
            ++replaced;
        }
        ASSERT_LE(thinning.shown().size(), 100u);
    }
    EXPECT_EQ(replaced, 7) << "100, 200, ... points: the bucket doubles each time";
    EXPECT_EQ(thinning.bucketSize(), 128u);
    double highest = 0;
    for (const auto& point : thinning.shown()) {
        highest = std::max(highest, point.y);
    }
    EXPECT_EQ(highest, 999.0) << "merging keeps the higher force";
    thinning.clear();
    EXPECT_EQ(thinning.add({1, 2}), CurveThinning::Change::Appended);
    EXPECT_EQ(thinning.shown(), (std::vector<CurveThinning::Point>{{1, 2}}));
}

} // namespace
} // namespace vamo::host
