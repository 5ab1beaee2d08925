#include "plugin/evaluation/evaluation_rules.h"
#include "plugin/evaluation/result_text.h"
#include "plugin/evaluation/rule_steps.h"
#include "plugin/evaluation/single_arithmetic.h"

#include <span>

namespace vamo::rules {

namespace detail {

GroupOutcome plainMean(const GroupInput& group, StrengthSource strength, Rounding rounding) {
    // A group ended before its first specimen has no mean; "无效" rather than the text of 0 / 0.
    if (group.count == 0) {
        return invalidOutcome();
    }
    const auto count = static_cast<std::size_t>(group.count);
    const float meanForce = singleMean(std::span(group.force).first(count));
    const float meanSecond = singleMean(std::span(group.second).first(count));

    GroupOutcome outcome;
    if (rounding == Rounding::HalfUp) {
        outcome.validForce = validValueText(roundHalfUp(meanForce, group.forceDecimals), group.forceDecimals);
    } else {
        outcome.validForce = validValueText(meanForce, group.forceDecimals);
    }
    if (strength == StrengthSource::FromForceText) {
        outcome.validStrength =
            strengthFromForceText(outcome.validForce, group.strengthDivisor, group.strengthDecimals);
    } else if (rounding == Rounding::HalfUp) {
        outcome.validStrength =
            validValueText(roundHalfUp(meanSecond, group.strengthDecimals), group.strengthDecimals);
    } else {
        outcome.validStrength = validValueText(meanSecond, group.strengthDecimals);
    }
    return outcome;
}

} // namespace detail

GroupOutcome evaluatePlainMean(const GroupInput& group, StrengthSource strength) {
    detail::checkGroupInput(group);
    return detail::plainMean(group, strength, detail::Rounding::None);
}

} // namespace vamo::rules
