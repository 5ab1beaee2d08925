#include "host/controller/serial_settings.h"

#include <array>
#include <limits>
#include <system_error>

namespace vamo::controller {

namespace {

constexpr std::array<int, 5> kBaudRates{2400, 4800, 9600, 19200, 38400};
constexpr int kDefaultBaudRate = 9600;

int baudRateOf(int index) {
    if (index < 0 || index >= static_cast<int>(kBaudRates.size())) {
        return kDefaultBaudRate;
    }
    return kBaudRates[static_cast<std::size_t>(index)];
}

// Values beyond the five known ones mean no parity.
Parity parityOf(int value) {
    switch (value) {
    case 1:
        return Parity::Odd;
    case 2:
        return Parity::Even;
    case 3:
        return Parity::Mark;
    case 4:
        return Parity::Space;
    default:
        return Parity::None;
    }
}

std::optional<StopBits> stopBitsOf(int value) {
    switch (value) {
    case 0:
        return StopBits::One;
    case 1:
        return StopBits::OneAndHalf;
    case 2:
        return StopBits::Two;
    default:
        return std::nullopt;
    }
}

} // namespace

LineSettings lineSettingsFrom(const settings::SerialSettings& section) {
    LineSettings settings;
    settings.portNumber = std::int64_t{section.port} + 1;
    settings.portName = "COM" + std::to_string(settings.portNumber);
    settings.baudRate = baudRateOf(section.baudIndex);
    settings.parity = parityOf(section.parity);
    settings.stopBits = stopBitsOf(section.stopBits);
    settings.dataBits = section.dataBits == 1 ? 7 : 8;
    return settings;
}

int portNumberFromText(std::string_view portText) {
    std::string digits;
    for (const char c : portText) {
        if (c >= '0' && c <= '9') {
            digits += c;
        }
    }
    if (digits.empty()) {
        throw SerialSettingsError("The port \"" + std::string(portText) + "\" has no port number");
    }
    long long number = 0;
    for (const char digit : digits) {
        number = number * 10 + (digit - '0');
        if (number > std::numeric_limits<int>::max()) {
            throw SerialSettingsError("The port number of \"" + std::string(portText) + "\" is too large");
        }
    }
    return static_cast<int>(number);
}

std::filesystem::path serialDevicePath(const std::filesystem::path& programFolder, std::int64_t portNumber) {
#ifdef _WIN32
    (void)programFolder;
    return std::filesystem::path("COM" + std::to_string(portNumber));
#else
    const std::filesystem::path link = programFolder / "dev" / ("com" + std::to_string(portNumber));
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(link, error))) {
        return link;
    }
    return std::filesystem::path("/dev/ttyS" + std::to_string(portNumber - 1));
#endif
}

} // namespace vamo::controller
