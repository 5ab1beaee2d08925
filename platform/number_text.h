#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vamo::platform {

// Strict number parsing of settings texts: surrounding blanks are ignored, the rest must be a whole
// number of the type, otherwise there is no value and the caller takes its default.

// Decimal integer with an optional sign, within the range of int.
std::optional<int> parseInteger(std::string_view text);

// Decimal floating-point number ("5", "-0.5", ".5", "1e3"), with an optional sign. Infinity, NaN and
// values beyond the range of double are no value.
std::optional<double> parseFloatingPoint(std::string_view text);

// A single-precision value as the settings file stores it: widened to double and printed with up to
// 15 significant digits in general format ("%.15g"), decimal point ".", whatever the C locale.
// 0.98f -> "0.980000019073486", 300.0f -> "300".
std::string formatSingle(float value);

// General notation with up to 15 significant digits, like "%.15g": 22.5 -> "22.5".
std::string formatGeneral(double value);

// Fixed-point text with the given number of decimals, like "%.<decimals>f" in the C locale (the process
// locale, which Qt sets from the environment, plays no part). Decimals are clamped to 0..20. A single
// passed in is widened exactly, so its text is that of printf with the float argument.
std::string formatFixed(double value, int decimals);

} // namespace vamo::platform
