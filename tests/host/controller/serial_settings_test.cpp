#include "host/controller/serial_settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vamo::controller {
namespace {

namespace fs = std::filesystem;

TEST(SerialSettings, SectionDefaultsOpenCom1At9600NoParityOneStopBitEightDataBits) {
    const LineSettings settings = lineSettingsFrom(settings::SerialSettings{});
    EXPECT_EQ(settings.portNumber, 1);
    EXPECT_EQ(settings.portName, "COM1");
    EXPECT_EQ(settings.baudRate, 9600);
    EXPECT_EQ(settings.parity, Parity::None);
    EXPECT_EQ(settings.stopBits, std::optional<StopBits>(StopBits::One));
    EXPECT_EQ(settings.dataBits, 8);
}

TEST(SerialSettings, PortNameIsComFollowedByComPlusOne) {
    for (const auto& [com, name] :
         std::vector<std::pair<int, std::string>>{{0, "COM1"}, {9, "COM10"}, {15, "COM16"}}) {
        settings::SerialSettings section;
        section.port = com;
        const LineSettings settings = lineSettingsFrom(section);
        EXPECT_EQ(settings.portName, name);
        EXPECT_EQ(settings.portNumber, com + 1);
    }
}

TEST(SerialSettings, BaudIndexSelectsTheRateAndAnyOtherValueGives9600) {
    const std::vector<std::pair<int, int>> cases{{0, 2400},  {1, 4800}, {2, 9600}, {3, 19200},
                                                 {4, 38400}, {5, 9600}, {7, 9600}, {-1, 9600}};
    for (const auto& [boud, rate] : cases) {
        settings::SerialSettings section;
        section.baudIndex = boud;
        EXPECT_EQ(lineSettingsFrom(section).baudRate, rate) << "boud " << boud;
    }
}

TEST(SerialSettings, ParityStopBitsAndDataBits) {
    const std::vector<std::pair<int, Parity>> parities{{0, Parity::None},  {1, Parity::Odd},
                                                       {2, Parity::Even},  {3, Parity::Mark},
                                                       {4, Parity::Space}, {9, Parity::None}};
    for (const auto& [value, parity] : parities) {
        settings::SerialSettings section;
        section.parity = value;
        EXPECT_EQ(lineSettingsFrom(section).parity, parity) << "parity " << value;
    }
    const std::vector<std::pair<int, std::optional<StopBits>>> stopBits{{0, StopBits::One},
                                                                        {1, StopBits::OneAndHalf},
                                                                        {2, StopBits::Two},
                                                                        {5, std::nullopt},
                                                                        {-1, std::nullopt}};
    for (const auto& [value, expected] : stopBits) {
        settings::SerialSettings section;
        section.stopBits = value;
        EXPECT_EQ(lineSettingsFrom(section).stopBits, expected) << "stopbit " << value;
    }
    const std::vector<std::pair<int, int>> dataBits{{0, 8}, {1, 7}, {2, 8}, {7, 8}};
    for (const auto& [value, bits] : dataBits) {
        settings::SerialSettings section;
        section.dataBits = value;
        EXPECT_EQ(lineSettingsFrom(section).dataBits, bits) << "bit " << value;
    }
}

TEST(PortNumberFromText, TakesTheDecimalDigitsInOrder) {
    const std::vector<std::pair<std::string, int>> cases{
        {"COM10", 10}, {"COM12", 12}, {"COM1", 1}, {"C1O2M", 12}, {"7", 7}};
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(portNumberFromText(text), number) << text;
    }
}

TEST(PortNumberFromText, TextWithoutDigitsOrWithAHugeNumberIsAnError) {
    for (const std::string text : {"abc", "", "COM", "COM99999999999"}) {
        EXPECT_THROW(portNumberFromText(text), SerialSettingsError) << text;
    }
}

// A program folder in the temporary folder, removed with everything in it.
class TemporaryProgramFolder {
public:
    TemporaryProgramFolder() {
        std::string pattern = (fs::temp_directory_path() / "vamo-serial-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        path_ = pattern;
        fs::create_directory(path_ / "dev");
    }
    ~TemporaryProgramFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TemporaryProgramFolder(const TemporaryProgramFolder&) = delete;
    TemporaryProgramFolder& operator=(const TemporaryProgramFolder&) = delete;

    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

TEST(SerialDevicePath, UsesTheLinkInTheProgramFolderWhenItExists) {
    TemporaryProgramFolder folder;
    fs::create_symlink("/dev/null", folder.path() / "dev" / "com3");
    EXPECT_EQ(serialDevicePath(folder.path(), 3), folder.path() / "dev" / "com3");
    EXPECT_EQ(serialDevicePath(folder.path(), 4), fs::path("/dev/ttyS3"));
}

TEST(SerialDevicePath, FallsBackToTheSystemSerialDevice) {
    TemporaryProgramFolder folder;
    fs::create_symlink("/dev/null", folder.path() / "dev" / "COM3"); // the link name is lower case
    EXPECT_EQ(serialDevicePath(folder.path(), 3), fs::path("/dev/ttyS2"));
    EXPECT_EQ(serialDevicePath(folder.path() / "missing", 1), fs::path("/dev/ttyS0"));
}

TEST(SerialDevicePath, ALinkWhoseTargetIsMissingIsStillTheConfiguredPort) {
    TemporaryProgramFolder folder;
    fs::create_symlink(folder.path() / "not-yet-there", folder.path() / "dev" / "com2");
    EXPECT_EQ(serialDevicePath(folder.path(), 2), folder.path() / "dev" / "com2");
}

} // namespace
} // namespace vamo::controller
