#include "host/settings/single_settings.h"
#include "host/settings/sys_set_file.h"
#include "host/settings/sys_set_names.h"
#include "tests/platform/test_files.h"

#include <gtest/gtest.h>

#include <string>

namespace vamo::settings {
namespace {

using test::readBytes;
using test::TemporaryFolder;
using test::writeBytes;

class SingleSettings : public ::testing::Test {
protected:
    TemporaryFolder folder;
    std::filesystem::path path = folder / "sys_set.ini";
};

TEST_F(SingleSettings, SerialSettingsDefaultToCom1At9600) {
    EXPECT_EQ(readSerialSettings(path), (SerialSettings{0, 2, 0, 0, 0}));
    writeBytes(path, "[基本参数]\n力值起限=1\n");
    EXPECT_EQ(readSerialSettings(path), (SerialSettings{0, 2, 0, 0, 0}));
}

TEST_F(SingleSettings, SerialSettingsAreReadAsTheFileHoldsThem) {
    writeBytes(path, "[串口设置]\nCOM=9\nboud=7\nparity=2\nstopbit=x\nBIT=1\n");
    EXPECT_EQ(readSerialSettings(path), (SerialSettings{9, 7, 2, 0, 1})); // an unusable text is the default
}

TEST_F(SingleSettings, SerialSettingsAreWrittenTogetherAndAlone) {
    writeBytes(path, "[串口设置]\nCOM=0\n[conccomp_menu]\n龄期=28\n");
    writeSerialSettings(path, SerialSettings{3, 4, 1, 2, 1});
    EXPECT_EQ(readBytes(path),
              "[串口设置]\nCOM=3\nboud=4\nparity=1\nstopbit=2\nbit=1\n[conccomp_menu]\n龄期=28\n");
    writeSerialPort(path, 9);
    EXPECT_EQ(readBytes(path),
              "[串口设置]\nCOM=9\nboud=4\nparity=1\nstopbit=2\nbit=1\n[conccomp_menu]\n龄期=28\n");
}

TEST_F(SingleSettings, DecimalsAreWrittenAtOnceAndSeenByTheNextLoad) {
    EXPECT_EQ(readDisplayDecimals(path, DisplayDecimals::Force), 2);
    writeDisplayDecimals(path, DisplayDecimals::Force, 3);
    writeDisplayDecimals(path, DisplayDecimals::Strength, 0);
    writeDisplayDecimals(path, DisplayDecimals::Speed, 1);
    EXPECT_EQ(readBytes(path), "[基本参数]\n压力小数位数=3\n兆帕小数位数=0\n加荷速度小数位数=1\n");
    EXPECT_EQ(readDisplayDecimals(path, DisplayDecimals::Force), 3);
    const SysSettings loaded = load_sys_set(path);
    EXPECT_EQ(loaded.forceDecimals, 3);
    EXPECT_EQ(loaded.strengthDecimals, 0);
    EXPECT_EQ(loaded.speedDecimals, 1);
}

TEST_F(SingleSettings, SystemParams1DefaultsAndWrites) {
    EXPECT_EQ(readSystemParams1(path), (SystemParams1{0, "0"}));
    writeSystemParams1(path, true, "sys");
    EXPECT_EQ(readBytes(path), "[系统参数1]\n数据上传=1\n量程显示=sys\n");
    writeSystemParams1(path, false, "（300kN）");
    EXPECT_EQ(readBytes(path), "[系统参数1]\n数据上传=0\n量程显示=（300kN）\n");
    EXPECT_EQ(readSystemParams1(path), (SystemParams1{0, "（300kN）"}));
}

TEST_F(SingleSettings, TheRangeCaptionKeeps127Characters) {
    const std::string caption = std::string(120, 'a') + "压力机试验系统二";
    writeSystemParams1(path, false, caption);
    const std::string kept = std::string(120, 'a') + "压力机试验系统";
    EXPECT_EQ(readBytes(path), "[系统参数1]\n数据上传=0\n量程显示=" + kept + "\n");
    EXPECT_EQ(readSystemParams1(path).rangeCaption, kept);
}

TEST_F(SingleSettings, SaveSysSetLeavesSystemParams1Alone) {
    writeSystemParams1(path, true, "sys");
    SysSettings settings = load_sys_set(path);
    EXPECT_EQ(settings.uploadEnabled, 1);
    EXPECT_EQ(settings.rangeCaption, "sys");
    settings.uploadEnabled = 0;
    settings.rangeCaption = "changed";
    save_sys_set(path, settings);
    EXPECT_EQ(readSystemParams1(path), (SystemParams1{1, "sys"}));
}

TEST_F(SingleSettings, GenericAccessesUseTheFallbackForUnusableTexts) {
    writeBytes(path, "[conccomp_menu]\n试件个数=3块\n龄期= 28 \n");
    EXPECT_EQ(readIntSetting(path, pluginSection("conccomp"), "试件个数", 3), 3);
    EXPECT_EQ(readIntSetting(path, "conccomp_menu", "龄期", 7), 28);
    EXPECT_EQ(readTextSetting(path, "CONCCOMP_MENU", "试件个数", "x"), "3块");
    EXPECT_EQ(readTextSetting(path, "conccomp_menu", "missing", "default"), "default");
    writeIntSetting(path, kBasicSection, kRunWaitTimeKey, 45);
    writeTextSetting(path, "conccomp_menu", "试件尺寸", "Φ150*300");
    EXPECT_EQ(readBytes(path),
              "[conccomp_menu]\n试件个数=3块\n龄期= 28 \n试件尺寸=Φ150*300\n[基本参数]\n运行等待时间=45\n");
}

TEST_F(SingleSettings, TheSettingsFileLiesInTheProgramFolder) {
    EXPECT_EQ(sysSetPath("/opt/station"), std::filesystem::path("/opt/station/sys_set.ini"));
}

} // namespace
} // namespace vamo::settings
