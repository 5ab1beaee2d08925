#include "plugin/evaluation/rule_steps.h"

#include <string>
#include <utility>

namespace vamo::rules::detail {

namespace {

// Decimals are a single digit in the panel.
constexpr int kMaxDecimals = 9;

void checkDecimals(int decimals, const char* which) {
    if (decimals < 0 || decimals > kMaxDecimals) {
        throw RuleInputError(std::string(which) + " " + std::to_string(decimals) + " is outside 0.."
                             + std::to_string(kMaxDecimals));
    }
}

} // namespace

void checkGroupInput(const GroupInput& group) {
    if (group.count < 0 || group.count > kMaxSpecimens) {
        throw RuleInputError("specimen count " + std::to_string(group.count) + " is outside 0.."
                             + std::to_string(kMaxSpecimens));
    }
    checkDecimals(group.forceDecimals, "force decimals");
    checkDecimals(group.strengthDecimals, "strength decimals");
}

GroupOutcome invalidOutcome(std::vector<int> marked) {
    return {std::string(kInvalidText), std::string(kInvalidText), std::move(marked)};
}

} // namespace vamo::rules::detail
