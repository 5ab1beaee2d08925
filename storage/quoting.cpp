#include "storage/quoting.h"

namespace vamo::storage {
namespace {

std::string enclose(std::string_view text, char quote) {
    std::string result;
    result.reserve(text.size() + 2);
    result += quote;
    for (char c : text) {
        result += c;
        if (c == quote) {
            result += quote;
        }
    }
    result += quote;
    return result;
}

} // namespace

std::string quoted(std::string_view text) {
    return enclose(text, '\'');
}

std::string quoted(const std::string& text) {
    return enclose(text, '\'');
}

std::string quoted(const char* text) {
    return enclose(text, '\'');
}

std::string quotedIdentifier(std::string_view name) {
    return enclose(name, '"');
}

} // namespace vamo::storage
