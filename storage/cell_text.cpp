#include "storage/cell_text.h"

#include <charconv>
#include <cmath>

namespace vamo::storage {
namespace {

// Plain decimals read best for the values of a testing station; very large and very small
// magnitudes would be long runs of zeros, so those take the exponent form.
template <typename Number>
std::string shortestText(Number value) {
    char buffer[400];
    const Number magnitude = std::fabs(value);
    const bool plain = magnitude == 0 || (magnitude >= Number(1e-5) && magnitude < Number(1e15));
    const auto result = plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
                              : std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace

std::string float32Text(float value) {
    return shortestText(value);
}

std::string doubleText(double value) {
    return shortestText(value);
}

std::string cellText(const Cell& cell, bool float32) {
    if (const auto* integer = std::get_if<std::int64_t>(&cell)) {
        return std::to_string(*integer);
    }
    if (const auto* real = std::get_if<double>(&cell)) {
        return float32 ? float32Text(static_cast<float>(*real)) : doubleText(*real);
    }
    if (const auto* text = std::get_if<std::string>(&cell)) {
        return *text;
    }
    return {};
}

std::optional<double> parseNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace vamo::storage
