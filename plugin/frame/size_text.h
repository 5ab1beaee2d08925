#pragma once

#include <optional>
#include <string_view>

// Parsing of the specimen size texts ("150*150*150", "Φ100*200", "250**250*40"). A number is a run of
// the characters 0-9 and "."; it ends at the first other character or at the end of the text. An empty
// run, or one that is no decimal number ("1.2.3"), is absent. Parsing never fails.
namespace vamo::plugin {

// "Φ" (U+03A6) in UTF-8: a text beginning with it is a cylinder.
inline constexpr std::string_view kDiameterSign = "\u03A6";

// Without leading and trailing blanks (every character up to U+0020).
std::string_view trimmedSizeText(std::string_view text);

bool isCylinderText(std::string_view trimmed);

// The diameter: the number right after the "Φ".
std::optional<double> cylinderDiameter(std::string_view trimmed);

// Prism form: the first number begins at the first character, each further one right after the
// character that ended the one before. In "250**250*40" the second is absent and the third is 250.
struct PrismNumbers {
    std::optional<double> first;
    std::optional<double> second;
    std::optional<double> third;
};
PrismNumbers prismNumbers(std::string_view trimmed);

} // namespace vamo::plugin
