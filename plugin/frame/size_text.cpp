#include "plugin/frame/size_text.h"

#include "platform/number_text.h"

#include <string>

namespace vamo::plugin {
namespace {

bool isNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

// Bytes of the UTF-8 character that starts with `lead`.
std::size_t characterLength(unsigned char lead) {
    if (lead >= 0xF0) {
        return 4;
    }
    if (lead >= 0xE0) {
        return 3;
    }
    if (lead >= 0xC0) {
        return 2;
    }
    return 1;
}

struct NumberRun {
    std::optional<double> value;
    // Where the next number begins: right after the character that ended this one; none at the end.
    std::optional<std::size_t> next;
};

NumberRun readNumber(std::string_view text, std::optional<std::size_t> start) {
    if (!start || *start >= text.size()) {
        return {};
    }
    std::size_t end = *start;
    while (end < text.size() && isNumberCharacter(text[end])) {
        ++end;
    }
    NumberRun run;
    if (end > *start) {
        run.value = platform::parseFloatingPoint(text.substr(*start, end - *start));
    }
    if (end < text.size()) {
        run.next = end + characterLength(static_cast<unsigned char>(text[end]));
    }
    return run;
}

} // namespace

std::string_view trimmedSizeText(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') {
        text.remove_suffix(1);
    }
    return text;
}

bool isCylinderText(std::string_view trimmed) {
    return trimmed.starts_with(kDiameterSign);
}

std::optional<double> cylinderDiameter(std::string_view trimmed) {
    if (!isCylinderText(trimmed)) {
        return std::nullopt;
    }
    return readNumber(trimmed, kDiameterSign.size()).value;
}

PrismNumbers prismNumbers(std::string_view trimmed) {
    const NumberRun first = readNumber(trimmed, std::size_t{0});
    const NumberRun second = readNumber(trimmed, first.next);
    const NumberRun third = readNumber(trimmed, second.next);
    return {first.value, second.value, third.value};
}

} // namespace vamo::plugin
