#pragma once

// The texts the rules store: fixed-point numbers and "无效".

#include <string>
#include <string_view>

namespace vamo::rules {

// value as printf "%.*f" would write it in the C locale (the locale of the process plays no part).
std::string fixedText(double value, int decimals);

// fixedText, except that a value that is not a finite number is "无效": a group value is never
// stored as the text of an infinity or a NaN.
std::string validValueText(double value, int decimals);

// The number a text made by fixedText holds, as a single.
float numberInText(std::string_view text);

// fixed(number in forceText / divisor, decimals) in single precision; "无效" stays "无效".
std::string strengthFromForceText(std::string_view forceText, float divisor, int decimals);

} // namespace vamo::rules
