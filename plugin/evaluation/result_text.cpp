#include "plugin/evaluation/result_text.h"

#include "platform/number_text.h"
#include "plugin/evaluation/rule_types.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vamo::rules {

std::string fixedText(double value, int decimals) {
    return platform::formatFixed(value, decimals);
}

std::string validValueText(double value, int decimals) {
    if (!std::isfinite(value)) {
        return std::string(kInvalidText);
    }
    return fixedText(value, decimals);
}

float numberInText(std::string_view text) {
    float number = 0.0f;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size()) {
        throw RuleInputError("'" + std::string(text) + "' is not a number");
    }
    return number;
}

std::string strengthFromForceText(std::string_view forceText, float divisor, int decimals) {
    if (forceText == kInvalidText) {
        return std::string(kInvalidText);
    }
    return validValueText(numberInText(forceText) / divisor, decimals);
}

} // namespace vamo::rules
