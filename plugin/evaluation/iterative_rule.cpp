#include "plugin/evaluation/evaluation_rules.h"
#include "plugin/evaluation/result_text.h"
#include "plugin/evaluation/rule_steps.h"
#include "plugin/evaluation/single_arithmetic.h"

#include <algorithm>
#include <array>
#include <span>

namespace vamo::rules {

namespace {

constexpr int kMaxTakingPart = 6;

// The specimen to drop: the one farthest from the mean beyond 10 % of it (the lower number on a tie),
// among those not dropped yet (a dropped specimen reads 0 in both values); -1 when there is none.
int worstSpecimen(std::span<const float> force, std::span<const float> second, float mean) {
    const float limit = 0.1f * mean;
    float largest = 0.0f;
    int worst = -1;
    for (std::size_t index = 0; index < force.size(); ++index) {
        const float distance = deviation(force[index], mean);
        if (distance > limit && force[index] != 0.0f && second[index] != 0.0f && distance > largest) {
            largest = distance;
            worst = static_cast<int>(index);
        }
    }
    return worst;
}

} // namespace

GroupOutcome evaluateIterative10(const GroupInput& group) {
    detail::checkGroupInput(group);
    // No specimen, no mean: "无效" rather than the clamped text of 0 / 0.
    if (group.count == 0) {
        return detail::invalidOutcome();
    }
    // Only the first six specimens of the group take part, and the divisor counts only those still
    // taking part: a specimen beyond the count is never dropped, so the divisor never reaches 0.
    const auto takingPart = static_cast<std::size_t>(std::min(group.count, kMaxTakingPart));
    std::array<float, kMaxTakingPart> force{};
    std::array<float, kMaxTakingPart> second{};
    std::copy_n(group.force.begin(), takingPart, force.begin());
    std::copy_n(group.second.begin(), takingPart, second.begin());
    const std::span forces = std::span(force).first(takingPart);
    const std::span seconds = std::span(second).first(takingPart);

    auto remaining = static_cast<int>(takingPart);
    float forceSum = 0.0f;
    float secondSum = 0.0f;
    while (true) {
        forceSum = singleSum(forces);
        secondSum = singleSum(seconds);
        const int worst = worstSpecimen(forces, seconds, forceSum / static_cast<float>(remaining));
        if (worst < 0) {
            break;
        }
        force[static_cast<std::size_t>(worst)] = 0.0f;
        second[static_cast<std::size_t>(worst)] = 0.0f;
        --remaining;
    }
    const float meanForce = clampToSingleRange(forceSum / static_cast<float>(remaining));
    const float meanSecond = clampToSingleRange(secondSum / static_cast<float>(remaining));
    return {fixedText(meanForce, group.forceDecimals), fixedText(meanSecond, group.strengthDecimals), {}};
}

} // namespace vamo::rules
