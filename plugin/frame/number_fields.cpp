#include "plugin/frame/number_fields.h"

#include "platform/number_text.h"
#include "plugin/frame/plugin_error.h"

#include <string>

namespace vamo::plugin {
namespace {

[[noreturn]] void refuse(std::string_view text, std::string_view fieldCaption, std::string_view kind) {
    throw ConversionError("\"" + std::string(text) + "\" 不是有效的" + std::string(kind) + " ("
                          + std::string(captionWithoutColon(fieldCaption)) + ")");
}

} // namespace

double numberIn(std::string_view text, std::string_view fieldCaption) {
    const auto value = platform::parseFloatingPoint(text);
    if (!value) {
        refuse(text, fieldCaption, "数字");
    }
    return *value;
}

int integerIn(std::string_view text, std::string_view fieldCaption) {
    const auto value = platform::parseInteger(text);
    if (!value) {
        refuse(text, fieldCaption, "整数");
    }
    return *value;
}

std::string_view captionWithoutColon(std::string_view caption) {
    for (std::string_view colon : {"：", ":"}) {
        if (caption.ends_with(colon)) {
            caption.remove_suffix(colon.size());
        }
    }
    return caption;
}

} // namespace vamo::plugin
