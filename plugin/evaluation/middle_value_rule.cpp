#include "plugin/evaluation/evaluation_rules.h"
#include "plugin/evaluation/result_text.h"
#include "plugin/evaluation/rule_steps.h"
#include "plugin/evaluation/single_arithmetic.h"

#include <array>
#include <utility>

namespace vamo::rules {

namespace {

constexpr int kGroupSize = 3;

bool between(float outer1, float middle, float outer2) {
    return (outer1 >= middle && middle >= outer2) || (outer1 <= middle && middle <= outer2);
}

// 1-based number of the middle specimen; among equal forces the checks decide in this order: 2, 1, 3.
int middleSpecimen(float f1, float f2, float f3) {
    if (between(f1, f2, f3)) {
        return 2;
    }
    if (between(f2, f1, f3)) {
        return 1;
    }
    return 3;
}

} // namespace

namespace detail {

MiddleValueSelection selectMiddleValue(const GroupInput& group) {
    const auto& force = group.force;
    const int middle = middleSpecimen(force[0], force[1], force[2]);
    const float middleForce = force[middle - 1];
    const float limit = 0.15f * middleForce;

    MiddleValueSelection selection;
    for (int specimen = 1; specimen <= kGroupSize; ++specimen) {
        if (deviation(force[specimen - 1], middleForce) > limit) {
            selection.marked.push_back(specimen);
        }
    }
    switch (selection.marked.size()) {
    case 0: {
        const std::array firstForces{force[0], force[1], force[2]};
        const std::array firstSeconds{group.second[0], group.second[1], group.second[2]};
        selection.valid = true;
        selection.force = singleMean(firstForces);
        selection.second = singleMean(firstSeconds);
        break;
    }
    case 1:
        selection.valid = true;
        selection.force = middleForce;
        selection.second = group.second[middle - 1];
        break;
    default:
        selection.valid = false;
        break;
    }
    return selection;
}

} // namespace detail

GroupOutcome evaluateMiddleValueRounded(const GroupInput& group, StrengthSource plainMeanStrength) {
    detail::checkGroupInput(group);
    if (group.count != kGroupSize) {
        return detail::plainMean(group, plainMeanStrength, detail::Rounding::HalfUp);
    }
    detail::MiddleValueSelection selection = detail::selectMiddleValue(group);
    if (!selection.valid) {
        return detail::invalidOutcome(std::move(selection.marked));
    }
    GroupOutcome outcome;
    outcome.validForce =
        validValueText(roundHalfUp(selection.force, group.forceDecimals), group.forceDecimals);
    outcome.validStrength =
        validValueText(roundHalfUp(selection.second, group.strengthDecimals), group.strengthDecimals);
    outcome.marked = std::move(selection.marked);
    return outcome;
}

} // namespace vamo::rules
