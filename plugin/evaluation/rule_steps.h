#pragma once

// Steps shared by several rules. Internal to the rules library.

#include "plugin/evaluation/rule_types.h"

#include <vector>

namespace vamo::rules::detail {

// Throws RuleInputError unless the count and the decimals are within range.
void checkGroupInput(const GroupInput& group);

// Both values "无效", nothing marked.
GroupOutcome invalidOutcome(std::vector<int> marked = {});

enum class Rounding { None, HalfUp };

// Mean of the first `count` specimens formatted as the valid values.
GroupOutcome plainMean(const GroupInput& group, StrengthSource strength, Rounding rounding);

// The middle-value selection over specimens 1 to 3: which specimens deviate beyond 15 % of the
// middle force, and the values that stand for the group when at most one does.
struct MiddleValueSelection {
    std::vector<int> marked;
    bool valid = false;
    float force = 0.0f;
    float second = 0.0f;
};
MiddleValueSelection selectMiddleValue(const GroupInput& group);

} // namespace vamo::rules::detail
