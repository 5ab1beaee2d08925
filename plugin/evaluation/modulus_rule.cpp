#include "plugin/evaluation/evaluation_rules.h"
#include "plugin/evaluation/result_text.h"
#include "plugin/evaluation/rule_steps.h"
#include "plugin/evaluation/single_arithmetic.h"

#include <span>
#include <string>
#include <utility>
#include <vector>

namespace vamo::rules {

namespace {

constexpr int kGroupSize = 3;

// The valid modulus follows the first value: "无效" with it, else the modulus with the strength decimals.
GroupOutcome withModulus(std::string firstValue, float modulus, int strengthDecimals,
                         std::vector<int> marked) {
    GroupOutcome outcome;
    outcome.validStrength =
        firstValue == kInvalidText ? std::string(kInvalidText) : validValueText(modulus, strengthDecimals);
    outcome.validForce = std::move(firstValue);
    outcome.marked = std::move(marked);
    return outcome;
}

// Other counts: the first value is the mean force, the modulus the mean of the moduli.
GroupOutcome modulusPlainMean(const GroupInput& group) {
    const auto count = static_cast<std::size_t>(group.count);
    const float meanForce = singleMean(std::span(group.force).first(count));
    const float meanModulus = singleMean(std::span(group.second).first(count));
    return withModulus(validValueText(meanForce, group.forceDecimals), meanModulus, group.strengthDecimals,
                       {});
}

} // namespace

GroupOutcome evaluateModulus(const GroupInput& group) {
    detail::checkGroupInput(group);
    // No specimen, no mean: "无效" for both values rather than the text of 0 / 0.
    if (group.count == 0) {
        return detail::invalidOutcome();
    }
    if (group.count != kGroupSize) {
        return modulusPlainMean(group);
    }
    const float reference = 3.0f * group.highFixedLoad;
    const float limit = 0.2f * reference;
    std::vector<int> marked;
    float modulusSum = 0.0f;
    for (int specimen = 1; specimen <= kGroupSize; ++specimen) {
        if (deviation(group.force[specimen - 1], reference) > limit) {
            marked.push_back(specimen);
        } else {
            modulusSum = modulusSum + group.second[specimen - 1];
        }
    }
    if (marked.size() >= 2) {
        return detail::invalidOutcome(std::move(marked));
    }
    // Divided by 2 with one rejection, by 3 with none.
    const float modulus = modulusSum / (marked.empty() ? 3.0f : 2.0f);
    return withModulus(validValueText(modulus, 0), modulus, group.strengthDecimals, std::move(marked));
}

} // namespace vamo::rules
