#include "platform/number_text.h"

#include <algorithm>

#include <charconv>
#include <cmath>

namespace vamo::platform {
namespace {

std::string_view trimmedBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// from_chars refuses a leading '+', which the settings file may hold ("+5").
std::string_view withoutPlusSign(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') {
        text.remove_prefix(1);
    }
    return text;
}

} // namespace

std::optional<int> parseInteger(std::string_view text) {
    const std::string_view number = withoutPlusSign(trimmedBlanks(text));
    int value = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value, 10);
    if (number.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> parseFloatingPoint(std::string_view text) {
    const std::string_view number = withoutPlusSign(trimmedBlanks(text));
    double value = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value, std::chars_format::general);
    if (number.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string formatSingle(float value) {
    return formatGeneral(static_cast<double>(value));
}

std::string formatGeneral(double value) {
    // to_chars with a precision prints exactly as printf("%.15g") does in the C locale.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::string formatFixed(double value, int decimals) {
    // Room for the largest double (309 digits), a sign, the point and the decimals.
    char buffer[340];
    const int precision = std::clamp(decimals, 0, 20);
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    return std::string(buffer, result.ptr);
}

} // namespace vamo::platform
