#pragma once

#include "host/settings/single_settings.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vamo::controller {

class SerialSettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};


enum class Parity { None, Odd, Even, Mark, Space };
enum class StopBits { One, OneAndHalf, Two };

// The line settings the port is opened with.
struct LineSettings {
    std::int64_t portNumber = 1; // n of "COMn"
    std::string portName = "COM1";
    int baudRate = 9600;
    Parity parity = Parity::None;
    std::optional<StopBits> stopBits = StopBits::One; // empty: leave the port's stop bits as they are
    int dataBits = 8;
};

// The line settings of the five integers of section 串口设置.
LineSettings lineSettingsFrom(const settings::SerialSettings& section);

// The port number of a port text: its decimal digits in order ("COM12" gives 12). Throws SerialSettingsError
// when the text has no digits or the number is too large.
int portNumberFromText(std::string_view portText);

// The device of port COMn: <programFolder>/dev/comN when that entry exists (also a link whose target is
// missing, so that opening reports the configured link), otherwise /dev/ttyS<n-1>. On Windows the name COMn.
std::filesystem::path serialDevicePath(const std::filesystem::path& programFolder, std::int64_t portNumber);

} // namespace vamo::controller
