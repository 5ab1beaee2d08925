#include "host/settings/single_settings.h"

#include "host/settings/sys_set_names.h"
#include "platform/ini_file.h"
#include "platform/number_text.h"
#include "platform/text_encoding.h"

namespace vamo::settings {
namespace {

using platform::IniFile;

int intValue(const IniFile& file, std::string_view section, std::string_view key, int fallback) {
    const auto text = file.value(section, key);
    const auto number = text ? platform::parseInteger(*text) : std::nullopt;
    return number.value_or(fallback);
}

std::string rangeCaptionText(std::string_view text) {
    return std::string(platform::utf8Prefix(text, kRangeCaptionMaxCharacters));
}

} // namespace

int readIntSetting(const std::filesystem::path& path, std::string_view section, std::string_view key,
                   int fallback) {
    return intValue(IniFile(path), section, key, fallback);
}

void writeIntSetting(const std::filesystem::path& path, std::string_view section, std::string_view key,
                     int value) {
    platform::writeIniValue(path, section, key, std::to_string(value));
}

std::string readTextSetting(const std::filesystem::path& path, std::string_view section, std::string_view key,
                            std::string_view fallback) {
    return platform::readIniValue(path, section, key, fallback);
}

void writeTextSetting(const std::filesystem::path& path, std::string_view section, std::string_view key,
                      std::string_view value) {
    platform::writeIniValue(path, section, key, value);
}

SerialSettings readSerialSettings(const std::filesystem::path& path) {
    const IniFile file(path);
    const SerialSettings defaults;
    return SerialSettings{
        intValue(file, kSerialSection, kPortKey, defaults.port),
        intValue(file, kSerialSection, kBaudKey, defaults.baudIndex),
        intValue(file, kSerialSection, kParityKey, defaults.parity),
        intValue(file, kSerialSection, kStopBitsKey, defaults.stopBits),
        intValue(file, kSerialSection, kDataBitsKey, defaults.dataBits),
    };
}

void writeSerialSettings(const std::filesystem::path& path, const SerialSettings& serial) {
    IniFile file(path);
    file.setValue(kSerialSection, kPortKey, std::to_string(serial.port));
    file.setValue(kSerialSection, kBaudKey, std::to_string(serial.baudIndex));
    file.setValue(kSerialSection, kParityKey, std::to_string(serial.parity));
    file.setValue(kSerialSection, kStopBitsKey, std::to_string(serial.stopBits));
    file.setValue(kSerialSection, kDataBitsKey, std::to_string(serial.dataBits));
    file.save();
}

void writeSerialPort(const std::filesystem::path& path, int port) {
    writeIntSetting(path, kSerialSection, kPortKey, port);
}

std::string_view decimalsKey(DisplayDecimals display) {
    switch (display) {
    case DisplayDecimals::Force:
        return kForceDecimalsKey;
    case DisplayDecimals::Strength:
        return kStrengthDecimalsKey;
    case DisplayDecimals::Speed:
        return kSpeedDecimalsKey;
    }
    return kForceDecimalsKey;
}

int readDisplayDecimals(const std::filesystem::path& path, DisplayDecimals display) {
    return readIntSetting(path, kBasicSection, decimalsKey(display), kDefaultDisplayDecimals);
}

void writeDisplayDecimals(const std::filesystem::path& path, DisplayDecimals display, int decimals) {
    writeIntSetting(path, kBasicSection, decimalsKey(display), decimals);
}

SystemParams1 readSystemParams1(const std::filesystem::path& path) {
    const IniFile file(path);
    return SystemParams1{
        intValue(file, kSystemParams1Section, kUploadKey, kDefaultUpload),
        rangeCaptionText(file.valueOr(kSystemParams1Section, kRangeCaptionKey, kDefaultRangeCaption)),
    };
}

void writeSystemParams1(const std::filesystem::path& path, bool upload, std::string_view rangeCaption) {
    IniFile file(path);
    file.setValue(kSystemParams1Section, kUploadKey, upload ? "1" : "0");
    file.setValue(kSystemParams1Section, kRangeCaptionKey, rangeCaptionText(rangeCaption));
    file.save();
}

} // namespace vamo::settings
