#include "plugin/evaluation/evaluation_rules.h"
#include "plugin/evaluation/result_text.h"
#include "plugin/evaluation/rule_steps.h"
#include "plugin/evaluation/single_arithmetic.h"

#include <array>
#include <optional>
#include <utility>

namespace vamo::rules {

namespace {

constexpr int kGroupSize = 3;

// A peak text with a leading "*" belongs to a specimen that broke outside the load lines.
bool brokeOutside(const GroupInput& group, int specimen) {
    return group.peakTexts[specimen - 1].starts_with('*');
}

// The two specimens inside the load lines, in the order they are checked.
struct PairCheck {
    int first;
    int second;
};

// Which pair the remaining specimens form; none when two or more broke outside, or none did.
std::optional<PairCheck> pairFor(bool outside1, bool outside2, bool outside3) {
    if (outside1 && !outside2 && !outside3) {
        return PairCheck{2, 3};
    }
    if (!outside1 && outside2 && !outside3) {
        return PairCheck{1, 3};
    }
    if (!outside1 && !outside2 && outside3) {
        return PairCheck{2, 1};
    }
    return std::nullopt;
}

// The pair's mean stands for the group unless a specimen deviates from it beyond 15 % of its own force;
// the first one that does is marked and the other is not looked at.
GroupOutcome evaluatePair(const GroupInput& group, PairCheck pair) {
    const int lower = pair.first < pair.second ? pair.first : pair.second;
    const int higher = pair.first < pair.second ? pair.second : pair.first;
    const std::array pairForces{group.force[lower - 1], group.force[higher - 1]};
    const float pairMean = singleMean(pairForces);

    for (int specimen : {pair.first, pair.second}) {
        const float force = group.force[specimen - 1];
        if (deviation(force, pairMean) > 0.15f * force) {
            return detail::invalidOutcome({specimen});
        }
    }
    GroupOutcome outcome;
    outcome.validForce = validValueText(pairMean, group.forceDecimals);
    return outcome;
}

GroupOutcome evaluateAllInside(const GroupInput& group) {
    detail::MiddleValueSelection selection = detail::selectMiddleValue(group);
    if (!selection.valid) {
        return detail::invalidOutcome(std::move(selection.marked));
    }
    GroupOutcome outcome;
    outcome.validForce = validValueText(selection.force, group.forceDecimals);
    outcome.marked = std::move(selection.marked);
    return outcome;
}

} // namespace

GroupOutcome evaluateLoadLine(const GroupInput& group, StrengthSource plainMeanStrength) {
    detail::checkGroupInput(group);
    if (group.count != kGroupSize) {
        return detail::plainMean(group, plainMeanStrength, detail::Rounding::None);
    }
    const bool outside1 = brokeOutside(group, 1);
    const bool outside2 = brokeOutside(group, 2);
    const bool outside3 = brokeOutside(group, 3);

    GroupOutcome outcome;
    if (!outside1 && !outside2 && !outside3) {
        outcome = evaluateAllInside(group);
    } else if (const std::optional<PairCheck> pair = pairFor(outside1, outside2, outside3)) {
        outcome = evaluatePair(group, *pair);
    } else {
        return detail::invalidOutcome();
    }
    outcome.validStrength =
        strengthFromForceText(outcome.validForce, group.strengthDivisor, group.strengthDecimals);
    return outcome;
}

} // namespace vamo::rules
