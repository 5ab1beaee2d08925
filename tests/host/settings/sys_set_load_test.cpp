#include "host/settings/sys_set_file.h"
#include "platform/platform_error.h"
#include "tests/platform/test_files.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vamo::settings {
namespace {

using test::TemporaryFolder;
using test::writeBytes;

class LoadSysSet : public ::testing::Test {
protected:
    SysSettings loadText(const std::string& text) {
        writeBytes(path, text);
        return load_sys_set(path);
    }

    TemporaryFolder folder;
    std::filesystem::path path = folder / "sys_set.ini";
};

TEST_F(LoadSysSet, AMissingFileGivesEveryDefault) {
    const SysSettings s = load_sys_set(path);
    EXPECT_EQ(s, SysSettings());
    EXPECT_EQ(s.calibrationForce[0], 0.0f);
    EXPECT_EQ(s.calibrationForce[11], 550.0f);
    EXPECT_EQ(s.calibrationCode[0], 1550.0f);
    EXPECT_EQ(s.calibrationCode[11], 2650.0f);
    EXPECT_EQ(s.constantLoadKi2, 1000.0f);
    EXPECT_EQ(s.normalKi3, 90000.0f);
    EXPECT_EQ(s.controlEntryForce, 0.98f);
    EXPECT_EQ(s.speedLimit, 5.862f);
    EXPECT_EQ(s.zeroForceThreshold, 0.5f);
    EXPECT_EQ(s.recordThreshold, 5.0f);
    EXPECT_EQ(s.startThreshold, 5.0f);
    EXPECT_EQ(s.runWaitSeconds, 100);
    EXPECT_EQ(s.forceDecimals, 2);
    EXPECT_EQ(s.strengthDecimals, 2);
    EXPECT_EQ(s.speedDecimals, 2);
    EXPECT_EQ(s.uploadEnabled, 0);
    EXPECT_EQ(s.rangeCaption, "0");
    EXPECT_FALSE(std::filesystem::exists(path)); // loading creates nothing
}

TEST_F(LoadSysSet, WithoutBasicSectionTheThresholdsAreTheDefaults) {
    const SysSettings s = loadText("[标定点]\n2=60\n[系统参数1]\n数据上传=1\n");
    EXPECT_EQ(s.zeroForceThreshold, 0.5f);
    EXPECT_EQ(s.runWaitSeconds, 100);
    EXPECT_EQ(s.calibrationForce[1], 60.0f);
    EXPECT_EQ(s.uploadEnabled, 1);
}

// Every key with a distinct value lands in its own member.
TEST_F(LoadSysSet, EveryKeyIsReadIntoItsMember) {
    using S = const SysSettings&;
    struct Key {
        std::string section;
        std::string key;
        std::string text;
        std::function<double(S)> member;
        double expected;
    };
    std::vector<Key> keys;
    for (int n = 1; n <= 12; ++n) {
        keys.push_back({"标定点", std::to_string(n), std::to_string(1000 + n),
                        [n](S s) { return s.calibrationForce[n - 1]; }, 1000.0 + n});
    }
    for (int n = 1; n <= 12; ++n) {
        keys.push_back({"标定ad", std::to_string(n), std::to_string(2000 + n),
                        [n](S s) { return s.calibrationCode[n - 1]; }, 2000.0 + n});
    }
    const std::vector<Key> named = {
        {"定荷控制参数", "定荷控制的第一段kp", "11", [](S s) { return s.constantLoadKp1; }, 11},
        {"定荷控制参数", "定荷控制的第一段ki", "12", [](S s) { return s.constantLoadKi1; }, 12},
        {"定荷控制参数", "定荷控制的第二段kp", "13", [](S s) { return s.constantLoadKp2; }, 13},
        {"定荷控制参数", "定荷控制的第二段ki", "14", [](S s) { return s.constantLoadKi2; }, 14},
        {"定荷控制参数", "定荷控制的第三段kp", "15", [](S s) { return s.constantLoadKp3; }, 15},
        {"定荷控制参数", "定荷控制的第三段ki", "16", [](S s) { return s.constantLoadKi3; }, 16},
        {"控制参数:KY", "区别12两端的力值", "21", [](S s) { return s.segment12BoundaryForce; }, 21},
        {"控制参数:KY", "区别23两端的力值", "22", [](S s) { return s.segment23BoundaryForce; }, 22},
        {"控制参数:KY", "最大输出控制量", "23", [](S s) { return s.maxControlOutput; }, 23},
        {"控制参数:KY", "正常控制的第一段kp", "24", [](S s) { return s.normalKp1; }, 24},
        {"控制参数:KY", "正常控制的第一段ki", "25", [](S s) { return s.normalKi1; }, 25},
        {"控制参数:KY", "正常控制的第二段kp", "26", [](S s) { return s.normalKp2; }, 26},
        {"控制参数:KY", "正常控制的第二段ki", "27", [](S s) { return s.normalKi2; }, 27},
        {"控制参数:KY", "正常控制的第三段kp", "28", [](S s) { return s.normalKp3; }, 28},
        {"控制参数:KY", "正常控制的第三段ki", "29", [](S s) { return s.normalKi3; }, 29},
        {"控制参数:KY", "阀口初始开度", "30", [](S s) { return s.valveInitialOpening; }, 30},
        {"控制参数:KY", "刚接触时的回退量", "31", [](S s) { return s.contactBackoff; }, 31},
        {"控制参数:KY", "阀口中位开度", "32", [](S s) { return s.valveMiddleOpening; }, 32},
        {"基本参数", "系统最大力", "41", [](S s) { return s.systemMaxForce; }, 41},
        {"基本参数", "控制入口力", "42", [](S s) { return s.controlEntryForce; }, 42},
        {"基本参数", "卸载延时", "43", [](S s) { return s.unloadDelay; }, 43},
        {"基本参数", "控制量修正1", "44", [](S s) { return s.controlCorrection1; }, 44},
        {"基本参数", "控制量修正2", "45", [](S s) { return s.controlCorrection2; }, 1}, // always 1
        {"基本参数", "开度修正1", "46", [](S s) { return s.maxValveOpening; }, 46},
        {"基本参数", "速度限制", "47", [](S s) { return s.speedLimit; }, 47},
        {"基本参数", "破碎判断方法", "8", [](S s) { return s.breakJudgeMethod; }, 8},
        {"基本参数", "破碎判断条件", "49", [](S s) { return s.breakJudgeValue; }, 49},
        {"基本参数", "AD保护值", "50", [](S s) { return s.adProtectionValue; }, 50},
        {"基本参数", "力值起限", "0.25", [](S s) { return s.zeroForceThreshold; }, 0.25},
        {"基本参数", "起始力值", "6.5", [](S s) { return s.recordThreshold; }, 6.5},
        {"基本参数", "破碎起判力值", "7.25", [](S s) { return s.startThreshold; }, 7.25},
        {"基本参数", "运行等待时间", "60", [](S s) { return s.runWaitSeconds; }, 60},
        {"基本参数", "是否手动功能", "1", [](S s) { return s.manualFunction; }, 1},
        {"基本参数", "压力小数位数", "3", [](S s) { return s.forceDecimals; }, 3},
        {"基本参数", "兆帕小数位数", "1", [](S s) { return s.strengthDecimals; }, 1},
        {"基本参数", "加荷速度小数位数", "0", [](S s) { return s.speedDecimals; }, 0},
        {"系统参数1", "数据上传", "1", [](S s) { return s.uploadEnabled; }, 1},
    };
    keys.insert(keys.end(), named.begin(), named.end());

    std::string text;
    std::string section;
    for (const Key& k : keys) {
        if (k.section != section) {
            section = k.section;
            text += "[" + section + "]\n";
        }
        text += k.key + "=" + k.text + "\n";
    }
    text += "[系统参数1]\n量程显示=sys\n"; // a second section of the same name is not read

    const SysSettings s = loadText(text);
    for (const Key& k : keys) {
        EXPECT_EQ(k.member(s), k.expected) << k.section << " " << k.key;
    }
    EXPECT_EQ(s.rangeCaption, "0");
}

TEST_F(LoadSysSet, ControlCorrection2IsAlwaysOne) {
    EXPECT_EQ(loadText("[基本参数]\n控制量修正2=3\n").controlCorrection2, 1.0f);
    EXPECT_EQ(loadText("[基本参数]\n控制量修正2=abc\n").controlCorrection2, 1.0f);
}

TEST_F(LoadSysSet, UnusableTextsGiveTheDefault) {
    const SysSettings s = loadText("[基本参数]\n"
                                   "力值起限=abc\n"
                                   "起始力值=\n"
                                   "破碎起判力值=5kN\n"
                                   "系统最大力=1e39\n" // beyond a single float
                                   "卸载延时=inf\n"
                                   "运行等待时间=12.5\n"
                                   "是否手动功能=99999999999\n"
                                   "压力小数位数= 3 \n"
                                   "兆帕小数位数=\"1\"\n"
                                   "速度限制=+6.5\n"
                                   "控制入口力=0,98\n");
    EXPECT_EQ(s.zeroForceThreshold, 0.5f);
    EXPECT_EQ(s.recordThreshold, 5.0f);
    EXPECT_EQ(s.startThreshold, 5.0f);
    EXPECT_EQ(s.systemMaxForce, 300.0f);
    EXPECT_EQ(s.unloadDelay, 5.0f);
    EXPECT_EQ(s.runWaitSeconds, 100);
    EXPECT_EQ(s.manualFunction, 0);
    EXPECT_EQ(s.forceDecimals, 3); // blanks around the number are fine
    EXPECT_EQ(s.strengthDecimals, 1); // so are quotes
    EXPECT_EQ(s.speedLimit, 6.5f);
    EXPECT_EQ(s.controlEntryForce, 0.98f); // only "." is a decimal point
}

TEST_F(LoadSysSet, FloatsAreNarrowedToSingle) {
    const SysSettings s = loadText("[基本参数]\n破碎起判力值=7.457\n力值起限=0.1\n");
    EXPECT_EQ(s.startThreshold, 7.457f);
    EXPECT_EQ(s.zeroForceThreshold, 0.1f);
}

TEST_F(LoadSysSet, SectionAndKeyNamesIgnoreAsciiCase) {
    const SysSettings s = loadText("[标定AD]\n1=1234\n[控制参数:ky]\n正常控制的第一段KP=77\n");
    EXPECT_EQ(s.calibrationCode[0], 1234.0f);
    EXPECT_EQ(s.normalKp1, 77.0f);
}

TEST_F(LoadSysSet, TheRangeCaptionIsCutTo127Characters) {
    std::string caption;
    for (int i = 0; i < 150; ++i) {
        caption += "字";
    }
    std::string expected;
    for (int i = 0; i < 127; ++i) {
        expected += "字";
    }
    EXPECT_EQ(loadText("[系统参数1]\n量程显示=" + caption + "\n").rangeCaption, expected);
    EXPECT_EQ(loadText("[系统参数1]\n量程显示=sys\n").rangeCaption, "sys");
    EXPECT_EQ(loadText("[系统参数1]\n量程显示=\n").rangeCaption, "");
}

TEST_F(LoadSysSet, AFileThatCannotBeReadIsAnError) {
    std::filesystem::create_directory(path);
    EXPECT_THROW(load_sys_set(path), platform::FileError);
}

} // namespace
} // namespace vamo::settings
