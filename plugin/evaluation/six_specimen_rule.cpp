#include "plugin/evaluation/evaluation_rules.h"
#include "plugin/evaluation/result_text.h"
#include "plugin/evaluation/rule_steps.h"
#include "plugin/evaluation/single_arithmetic.h"

#include <utility>
#include <vector>

namespace vamo::rules {

namespace {

constexpr int kGroupSize = 6;

// Means over the specimens of one pass, in specimen order, and the specimen that deviates most
// beyond 10 % of the mean force (the lower number on a tie; 0 when none does).
struct Pass {
    float meanForce = 0.0f;
    float meanSecond = 0.0f;
    int outlier = 0;
};

Pass runPass(const GroupInput& group, const std::vector<int>& specimens) {
    std::vector<float> forces;
    std::vector<float> seconds;
    for (int specimen : specimens) {
        forces.push_back(group.force[specimen - 1]);
        seconds.push_back(group.second[specimen - 1]);
    }
    Pass pass;
    pass.meanForce = singleMean(forces);
    pass.meanSecond = singleMean(seconds);

    const float limit = 0.1f * pass.meanForce;
    float largest = -1.0f;
    for (int specimen : specimens) {
        const float distance = deviation(group.force[specimen - 1], pass.meanForce);
        if (distance > limit && distance > largest) {
            largest = distance;
            pass.outlier = specimen;
        }
    }
    return pass;
}

GroupOutcome passOutcome(const GroupInput& group, const Pass& pass, std::vector<int> marked) {
    return {validValueText(pass.meanForce, group.forceDecimals),
            validValueText(pass.meanSecond, group.strengthDecimals), std::move(marked)};
}

} // namespace

GroupOutcome evaluateSixSpecimen(const GroupInput& group, StrengthSource plainMeanStrength) {
    detail::checkGroupInput(group);
    if (group.count != kGroupSize) {
        return detail::plainMean(group, plainMeanStrength, detail::Rounding::None);
    }
    std::vector<int> specimens{1, 2, 3, 4, 5, 6};
    const Pass first = runPass(group, specimens);
    if (first.outlier == 0) {
        return passOutcome(group, first, {});
    }
    std::erase(specimens, first.outlier);
    const Pass second = runPass(group, specimens);
    if (second.outlier == 0) {
        return passOutcome(group, second, {first.outlier});
    }
    return detail::invalidOutcome({first.outlier, second.outlier});
}

} // namespace vamo::rules
