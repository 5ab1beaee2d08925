#pragma once

#include <string>

namespace vamo::controller {

// Fixed-point text with the given number of decimals, like "%.<decimals>f", always with a decimal point
// whatever the process locale. Decimals below 0 count as 0, above 10 as 10. A single float is widened
// exactly, so its text is that of printf with the float argument.
std::string fixedText(double value, int decimals);

// General notation with up to 15 significant digits, like "%.15g": 22.5 gives "22.5".
std::string generalText(double value);

} // namespace vamo::controller
