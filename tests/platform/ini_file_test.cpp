#include "platform/ini_file.h"
#include "platform/platform_error.h"
#include "tests/platform/test_files.h"

#include <gtest/gtest.h>

namespace vamo::platform {
namespace {

namespace fs = std::filesystem;
using test::hexBytes;
using test::readBytes;
using test::TemporaryFolder;
using test::writeBytes;

TEST(IniFile, AMissingFileReadsAsEmptyAndIsCreatedOnWrite) {
    TemporaryFolder folder;
    const fs::path file = folder / "sys_set.ini";
    EXPECT_EQ(readIniValue(file, "串口设置", "boud", "2"), "2");
    EXPECT_FALSE(fs::exists(file)); // reading creates nothing

    writeIniValue(file, "串口设置", "boud", "3");
    EXPECT_EQ(readBytes(file), "[串口设置]\nboud=3\n");
    EXPECT_EQ(readIniValue(file, "串口设置", "BOUD", "2"), "3");
}

TEST(IniFile, SavingWithoutChangesDoesNotCreateTheFile) {
    TemporaryFolder folder;
    IniFile file(folder / "sys_set.ini");
    file.save();
    EXPECT_FALSE(fs::exists(folder / "sys_set.ini"));
}

TEST(IniFile, SeveralWritesAreSavedTogether) {
    TemporaryFolder folder;
    const fs::path path = folder / "sys_set.ini";
    writeBytes(path, "[conccomp_menu]\r\n试件尺寸=150*150*150\r\n\r\n[串口设置]\r\nCOM=2\r\n");
    IniFile file(path);
    file.setValue("conccomp_menu", "试件尺寸", "100*100*100");
    file.setValue("conccomp_menu", "龄期", "28");
    EXPECT_EQ(readBytes(path), "[conccomp_menu]\r\n试件尺寸=150*150*150\r\n\r\n[串口设置]\r\nCOM=2\r\n");
    file.save();
    EXPECT_EQ(readBytes(path),
              "[conccomp_menu]\r\n试件尺寸=100*100*100\r\n龄期=28\r\n\r\n[串口设置]\r\nCOM=2\r\n");
}

TEST(IniFile, AGbkFileStaysGbkOnDisk) {
    TemporaryFolder folder;
    const fs::path path = folder / "sys_set.ini";
    // [串口设置]\r\nCOM=0\r\n
    writeBytes(path, hexBytes("5B B4 AE BF DA C9 E8 D6 C3 5D 0D 0A 43 4F 4D 3D 30 0D 0A"));
    writeIniValue(path, "串口设置", "COM", "9");
    EXPECT_EQ(readBytes(path), hexBytes("5B B4 AE BF DA C9 E8 D6 C3 5D 0D 0A 43 4F 4D 3D 39 0D 0A"));
    EXPECT_EQ(readIniValue(path, "串口设置", "com", ""), "9");
}

TEST(IniFile, ErrorsNameTheFile) {
    TemporaryFolder folder;
    const fs::path path = folder / "pz_set.ini";
    writeBytes(path, hexBytes("FF FE 5B 00"));
    try {
        IniFile file(path);
        FAIL() << "a UTF-16 file was accepted";
    } catch (const EncodingError& error) {
        EXPECT_NE(std::string(error.what()).find("pz_set.ini"), std::string::npos) << error.what();
    }
    try {
        writeIniValue(folder / "sys_set.ini", "a", "k", "line\nbreak");
        FAIL() << "a line break was written";
    } catch (const IniError& error) {
        EXPECT_NE(std::string(error.what()).find("sys_set.ini"), std::string::npos) << error.what();
    }
}

TEST(IniFile, WritingIntoAMissingFolderFails) {
    TemporaryFolder folder;
    EXPECT_THROW(writeIniValue(folder / "shangchuan" / "pz_set.ini", "SC_Flag", "End_Flag", "0"), FileError);
}

} // namespace
} // namespace vamo::platform
