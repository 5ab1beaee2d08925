#pragma once

#include <string_view>

// Numbers read from panel texts. A text that is no number raises ConversionError naming the text and
// the field (its caption), as the panel's handlers report it to the operator.
namespace vamo::plugin {

double numberIn(std::string_view text, std::string_view fieldCaption);
int integerIn(std::string_view text, std::string_view fieldCaption);

// A caption without its trailing colon: "修正系数：" -> "修正系数".
std::string_view captionWithoutColon(std::string_view caption);

} // namespace vamo::plugin
