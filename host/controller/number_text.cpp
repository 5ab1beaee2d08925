#include "host/controller/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace vamo::controller {

namespace {
constexpr int kMaxDecimals = 10;
constexpr int kGeneralDigits = 15;
} // namespace

// std::to_chars is used rather than printf: the user-interface framework sets the process locale from the
// environment, which would turn the decimal point into a comma in some regions.
std::string fixedText(double value, int decimals) {
    std::array<char, 340> text{}; // the largest double has 309 digits
    const int precision = std::clamp(decimals, 0, kMaxDecimals);
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, precision);
    return std::string(text.data(), result.ptr);
}

std::string generalText(double value) {
    std::array<char, 64> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::general, kGeneralDigits);
    return std::string(text.data(), result.ptr);
}

} // namespace vamo::controller
