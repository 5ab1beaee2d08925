#include "host/settings/sys_set_file.h"
#include "platform/text_encoding.h"
#include "tests/platform/test_files.h"

#include <gtest/gtest.h>

#include <string>

namespace vamo::settings {
namespace {

using test::hexBytes;
using test::readBytes;
using test::TemporaryFolder;
using test::writeBytes;

const std::string kCalibrationLines = "[标定点]\n"
                                      "1=0\n2=50\n3=100\n4=150\n5=200\n6=250\n"
                                      "7=300\n8=350\n9=400\n10=450\n11=500\n12=550\n"
                                      "[标定ad]\n"
                                      "1=1550\n2=1650\n3=1750\n4=1850\n5=1950\n6=2050\n"
                                      "7=2150\n8=2250\n9=2350\n10=2450\n11=2550\n12=2650\n";

const std::string kConstantLoadLines = "[定荷控制参数]\n"
                                       "定荷控制的第一段kp=1500\n"
                                       "定荷控制的第一段ki=30000\n"
                                       "定荷控制的第二段kp=1500\n"
                                       "定荷控制的第二段ki=1000\n"
                                       "定荷控制的第三段kp=1500\n"
                                       "定荷控制的第三段ki=30000\n";

const std::string kNormalControlLines = "[控制参数:KY]\n"
                                        "区别12两端的力值=4\n"
                                        "区别23两端的力值=5\n"
                                        "最大输出控制量=30\n"
                                        "正常控制的第一段kp=190\n"
                                        "正常控制的第一段ki=90000\n"
                                        "正常控制的第二段kp=190\n"
                                        "正常控制的第二段ki=90000\n"
                                        "正常控制的第三段kp=190\n"
                                        "正常控制的第三段ki=90000\n"
                                        "阀口初始开度=30000\n"
                                        "刚接触时的回退量=2000\n"
                                        "阀口中位开度=20000\n";

const std::string kBasicLines = "[基本参数]\n"
                                "系统最大力=300\n"
                                "控制入口力=0.980000019073486\n"
                                "卸载延时=5\n"
                                "控制量修正1=1.90470004081726\n"
                                "控制量修正2=1\n"
                                "开度修正1=19.0919990539551\n"
                                "速度限制=5.86199998855591\n"
                                "破碎判断条件=2\n"
                                "破碎判断方法=2\n"
                                "AD保护值=7300000\n"
                                "力值起限=0.5\n"
                                "起始力值=5\n"
                                "破碎起判力值=5\n"
                                "运行等待时间=100\n"
                                "是否手动功能=0\n"
                                "压力小数位数=2\n"
                                "兆帕小数位数=2\n"
                                "加荷速度小数位数=2\n";

class SaveSysSet : public ::testing::Test {
protected:
    TemporaryFolder folder;
    std::filesystem::path path = folder / "sys_set.ini";
};

TEST_F(SaveSysSet, ADefaultSetIsWrittenInOrderAndInFull) {
    save_sys_set(path, load_sys_set(path));
    EXPECT_EQ(readBytes(path), kCalibrationLines + kConstantLoadLines + kNormalControlLines + kBasicLines);
}

TEST_F(SaveSysSet, SavingTwiceChangesNothing) {
    save_sys_set(path, SysSettings());
    const std::string first = readBytes(path);
    save_sys_set(path, load_sys_set(path));
    EXPECT_EQ(readBytes(path), first);
}

TEST_F(SaveSysSet, AMissingSectionIsWrittenWithItsDefaults) {
    writeBytes(path, kCalibrationLines + kConstantLoadLines + kBasicLines);
    save_sys_set(path, load_sys_set(path));
    EXPECT_EQ(readBytes(path), kCalibrationLines + kConstantLoadLines + kBasicLines + kNormalControlLines);
}

TEST_F(SaveSysSet, ControlCorrection2IsAlwaysWrittenAsOne) {
    writeBytes(path, "[基本参数]\n控制量修正2=3\n");
    SysSettings settings = load_sys_set(path);
    settings.controlCorrection2 = 3.0f;
    save_sys_set(path, settings);
    EXPECT_NE(readBytes(path).find("[基本参数]\n控制量修正2=1\n"), std::string::npos);
    EXPECT_EQ(load_sys_set(path).controlCorrection2, 1.0f);
}

TEST_F(SaveSysSet, ChangedValuesAreWrittenInPlaceAndReadBackExactly) {
    writeBytes(path, kCalibrationLines + kConstantLoadLines + kNormalControlLines + kBasicLines);
    SysSettings settings = load_sys_set(path);
    settings.startThreshold = 7.457f;
    settings.zeroForceThreshold = 0.1f;
    settings.runWaitSeconds = 45;
    settings.calibrationCode[11] = 123456.75f;
    save_sys_set(path, settings);

    std::string expected = kCalibrationLines + kConstantLoadLines + kNormalControlLines + kBasicLines;
    const auto replace = [&expected](const std::string& from, const std::string& to) {
        expected.replace(expected.find(from), from.size(), to);
    };
    replace("破碎起判力值=5\n", "破碎起判力值=7.45699977874756\n");
    replace("力值起限=0.5\n", "力值起限=0.100000001490116\n");
    replace("运行等待时间=100\n", "运行等待时间=45\n");
    replace("12=2650\n", "12=123456.75\n");
    EXPECT_EQ(readBytes(path), expected);
    EXPECT_EQ(load_sys_set(path), settings);
}

std::string withCrlf(const std::string& lfText) {
    std::string text;
    for (const char c : lfText) {
        text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return text;
}

TEST_F(SaveSysSet, OtherSectionsStayByteIdentical) {
    const std::string before = withCrlf("; 试验机设置\n"
                                        "[conccomp_menu]\n"
                                        "试件尺寸 = 150*150*150\n"
                                        "龄期=\"28\"\n"
                                        "\n"
                                        "[串口设置]\n"
                                        "COM=3\n"
                                        "boud=7\n"
                                        "[基本参数]\n"
                                        "力值起限 = 0.8\n"
                                        "破碎起判力值 = 5\n"
                                        "\n"
                                        "[系统参数1]\n"
                                        "数据上传=1\n"
                                        "量程显示=sys\n"
                                        "[mortcomp_menu]\n")
                               + "强度等级=42.5"; // no line ending at the end of the file
    writeBytes(path, before);
    SysSettings settings = load_sys_set(path);
    settings.uploadEnabled = 0; // not written by save
    settings.rangeCaption = "500"; // not written by save
    save_sys_set(path, settings);

    const std::string after = withCrlf("; 试验机设置\n"
                                       "[conccomp_menu]\n"
                                       "试件尺寸 = 150*150*150\n"
                                       "龄期=\"28\"\n"
                                       "\n"
                                       "[串口设置]\n"
                                       "COM=3\n"
                                       "boud=7\n"
                                       "[基本参数]\n"
                                       "力值起限=0.800000011920929\n" // rewritten: 0.8 as a single
                                       "破碎起判力值 = 5\n" // same value: untouched
                                       "系统最大力=300\n"
                                       "控制入口力=0.980000019073486\n"
                                       "卸载延时=5\n"
                                       "控制量修正1=1.90470004081726\n"
                                       "控制量修正2=1\n"
                                       "开度修正1=19.0919990539551\n"
                                       "速度限制=5.86199998855591\n"
                                       "破碎判断条件=2\n"
                                       "破碎判断方法=2\n"
                                       "AD保护值=7300000\n"
                                       "起始力值=5\n"
                                       "运行等待时间=100\n"
                                       "是否手动功能=0\n"
                                       "压力小数位数=2\n"
                                       "兆帕小数位数=2\n"
                                       "加荷速度小数位数=2\n"
                                       "\n"
                                       "[系统参数1]\n"
                                       "数据上传=1\n"
                                       "量程显示=sys\n"
                                       "[mortcomp_menu]\n"
                                       "强度等级=42.5\n"
                                       + kCalibrationLines + kConstantLoadLines + kNormalControlLines);
    EXPECT_EQ(readBytes(path), after);
}

TEST_F(SaveSysSet, AGbkFileIsLoadedAndSavedBackInGbk) {
    // [基本参数]\r\n力值起限=0.8\r\n运行等待时间=60\r\n[串口设置]\r\nCOM=3\r\n[conccomp_menu]\r\n试件尺寸=100*100*100\r\n
    const std::string basic = hexBytes("5B BB F9 B1 BE B2 CE CA FD 5D 0D 0A"
                                       " C1 A6 D6 B5 C6 F0 CF DE 3D 30 2E 38 0D 0A"
                                       " D4 CB D0 D0 B5 C8 B4 FD CA B1 BC E4 3D 36 30 0D 0A");
    const std::string untouched =
        hexBytes("5B B4 AE BF DA C9 E8 D6 C3 5D 0D 0A"
                 " 43 4F 4D 3D 33 0D 0A"
                 " 5B 63 6F 6E 63 63 6F 6D 70 5F 6D 65 6E 75 5D 0D 0A"
                 " CA D4 BC FE B3 DF B4 E7 3D 31 30 30 2A 31 30 30 2A 31 30 30 0D 0A");
    writeBytes(path, basic + untouched);

    const SysSettings loaded = load_sys_set(path);
    EXPECT_EQ(loaded.zeroForceThreshold, 0.8f);
    EXPECT_EQ(loaded.runWaitSeconds, 60);
    save_sys_set(path, loaded);

    const std::string saved = readBytes(path);
    // 力值起限=0.800000011920929 replaces the line in place; 运行等待时间=60 is untouched.
    const std::string basicAfter = hexBytes("5B BB F9 B1 BE B2 CE CA FD 5D 0D 0A"
                                            " C1 A6 D6 B5 C6 F0 CF DE 3D"
                                            " 30 2E 38 30 30 30 30 30 30 31 31 39 32 30 39 32 39 0D 0A"
                                            " D4 CB D0 D0 B5 C8 B4 FD CA B1 BC E4 3D 36 30 0D 0A");
    ASSERT_TRUE(saved.starts_with(basicAfter));
    const std::string appendedBasicKeys = "系统最大力=300\r\n"
                                          "控制入口力=0.980000019073486\r\n"
                                          "卸载延时=5\r\n"
                                          "控制量修正1=1.90470004081726\r\n"
                                          "控制量修正2=1\r\n"
                                          "开度修正1=19.0919990539551\r\n"
                                          "速度限制=5.86199998855591\r\n"
                                          "破碎判断条件=2\r\n"
                                          "破碎判断方法=2\r\n"
                                          "AD保护值=7300000\r\n"
                                          "起始力值=5\r\n"
                                          "破碎起判力值=5\r\n"
                                          "是否手动功能=0\r\n"
                                          "压力小数位数=2\r\n"
                                          "兆帕小数位数=2\r\n"
                                          "加荷速度小数位数=2\r\n";
    const std::string appendedSections =
        withCrlf(kCalibrationLines + kConstantLoadLines + kNormalControlLines);
    EXPECT_EQ(saved, basicAfter + platform::utf8ToGbk(appendedBasicKeys) + untouched
                         + platform::utf8ToGbk(appendedSections));
    EXPECT_EQ(platform::detectEncoding(saved), platform::TextEncoding::Gbk);
    EXPECT_EQ(load_sys_set(path), loaded);
}

TEST_F(SaveSysSet, Utf8WithBomKeepsItsBom) {
    writeBytes(path, "\xEF\xBB\xBF[基本参数]\n力值起限=0.5\n");
    save_sys_set(path, load_sys_set(path));
    const std::string saved = readBytes(path);
    EXPECT_TRUE(saved.starts_with("\xEF\xBB\xBF[基本参数]\n力值起限=0.5\n系统最大力=300\n")) << saved;
}

} // namespace
} // namespace vamo::settings
