#include "plugin/evaluation/evaluation_rules.h"

#include <string>

namespace vamo::rules {

GroupOutcome evaluateGroup(const RuleChoice& choice, const GroupInput& group) {
    switch (choice.family) {
    case RuleFamily::MiddleValueRounded:
        return evaluateMiddleValueRounded(group, choice.plainMeanStrength);
    case RuleFamily::LoadLine:
        return evaluateLoadLine(group, choice.plainMeanStrength);
    case RuleFamily::Modulus:
        return evaluateModulus(group);
    case RuleFamily::Iterative10:
        return evaluateIterative10(group);
    case RuleFamily::SixSpecimen:
        return evaluateSixSpecimen(group, choice.plainMeanStrength);
    case RuleFamily::PlainMean:
        return evaluatePlainMean(group, choice.plainMeanStrength);
    }
    throw RuleInputError("unknown rule family " + std::to_string(static_cast<int>(choice.family)));
}

} // namespace vamo::rules
