#include "plugin/evaluation/group_number.h"

#include "platform/number_text.h"

#include <limits>

namespace vamo::evaluation {

namespace {
std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
} // namespace

std::string nextGroupNumber(std::string_view groupNumber) {
    const std::string_view text = trimmed(groupNumber);
    if (text.empty()) {
        return std::string(groupNumber);
    }
    const std::size_t tail = text.size() < 3 ? text.size() : 3;
    const std::string_view head = text.substr(0, text.size() - tail);
    const auto number = platform::parseInteger(text.substr(text.size() - tail));
    if (!number || *number == std::numeric_limits<int>::max()) {
        return std::string(text);
    }
    const std::string next = std::to_string(*number + 1);
    switch (next.size()) {
    case 1:
        return std::string(head) + "00" + next;
    case 2:
        return std::string(head) + "0" + next;
    case 3:
        return std::string(head) + next;
    default:
        return std::string(text);
    }
}

} // namespace vamo::evaluation
