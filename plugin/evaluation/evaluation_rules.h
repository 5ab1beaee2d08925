#pragma once

// The group evaluation rules as pure functions. Each rule evaluates a group whose count differs
// from its own group size with the plain mean. A group of count 0 (ended before any specimen was
// completed) has no mean: every rule answers "无效" for it.
// Every function throws RuleInputError for a count outside 0..24 or decimals outside 0..9.

#include "plugin/evaluation/rule_types.h"

namespace vamo::rules {

// Mean of the first `count` specimens, nothing rejected.
GroupOutcome evaluatePlainMean(const GroupInput& group, StrengthSource strength);

// Three specimens: the middle force, with the outer ones rejected beyond 15 % of it; the valid values
// are rounded half up before they are formatted (also for the plain mean of other counts).
GroupOutcome evaluateMiddleValueRounded(const GroupInput& group, StrengthSource plainMeanStrength);

// Three flexural specimens, some of which may have broken outside the load lines; the valid strength
// is always derived from the valid force text.
GroupOutcome evaluateLoadLine(const GroupInput& group, StrengthSource plainMeanStrength);

// Three modulus specimens, judged by their force against three times the high fixed load.
GroupOutcome evaluateModulus(const GroupInput& group);

// The specimen farthest beyond 10 % of the mean is dropped until none is; any count, at most the
// first six specimens take part. No specimen is marked.
GroupOutcome evaluateIterative10(const GroupInput& group);

// Six specimens: one beyond 10 % of the mean is rejected, a second rejection makes the group invalid.
GroupOutcome evaluateSixSpecimen(const GroupInput& group, StrengthSource plainMeanStrength);

// The rule of `choice` applied to `group`.
GroupOutcome evaluateGroup(const RuleChoice& choice, const GroupInput& group);

} // namespace vamo::rules
