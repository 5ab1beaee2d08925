#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Single-key accesses to the settings file: each opens the file, reads or writes, and closes it again.
// Reads give the default for a missing file, section or key and for a text that is no number of the
// type; writes create what is missing and put the file safely on disk.
namespace vamo::settings {

int readIntSetting(const std::filesystem::path& path, std::string_view section, std::string_view key,
                   int fallback);
void writeIntSetting(const std::filesystem::path& path, std::string_view section, std::string_view key,
                     int value);
std::string readTextSetting(const std::filesystem::path& path, std::string_view section, std::string_view key,
                            std::string_view fallback);
void writeTextSetting(const std::filesystem::path& path, std::string_view section, std::string_view key,
                      std::string_view value);

// 串口设置: the five line settings, as the indexes the file holds.
struct SerialSettings {
    int port = 0; // COM: 0 is COM1
    int baudIndex = 2; // boud: 2 is 9600
    int parity = 0; // parity
    int stopBits = 0; // stopbit
    int dataBits = 0; // bit: 0 is 8 data bits
    bool operator==(const SerialSettings&) const = default;
};

SerialSettings readSerialSettings(const std::filesystem::path& path);
// All five keys, written in one go.
void writeSerialSettings(const std::filesystem::path& path, const SerialSettings& serial);
// The port alone (the login dialog's choice).
void writeSerialPort(const std::filesystem::path& path, int port);

// 基本参数: the decimals of the displays, written at once when chosen from a display's menu.
enum class DisplayDecimals {
    Force, // 压力小数位数
    Strength, // 兆帕小数位数
    Speed, // 加荷速度小数位数
};

std::string_view decimalsKey(DisplayDecimals display);
int readDisplayDecimals(const std::filesystem::path& path, DisplayDecimals display);
void writeDisplayDecimals(const std::filesystem::path& path, DisplayDecimals display, int decimals);

// 系统参数1: the upload switch and the range caption (at most 127 characters).
struct SystemParams1 {
    int upload = 0; // 数据上传: 1 on, 0 off
    std::string rangeCaption = "0"; // 量程显示
    bool operator==(const SystemParams1&) const = default;
};

SystemParams1 readSystemParams1(const std::filesystem::path& path);
// Both keys, written in one go; upload is stored as 1 or 0, the caption cut to 127 characters.
void writeSystemParams1(const std::filesystem::path& path, bool upload, std::string_view rangeCaption);

} // namespace vamo::settings
