#include "plugin/evaluation/evaluation_rules.h"
#include "plugin/evaluation/plugin_rules.h"
#include "tests/plugin/evaluation/group_fixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace vamo::rules {
namespace {

using test::makeGroup;
using test::Specimens;

struct PluginCase {
    const char* plugin;
    RuleChoice rule;
    // The valid strength of the group of two below: from the strengths (4.1) or from "101.00" / 25 (4.0).
    const char* strengthOfTwo;
};

void PrintTo(const PluginCase& testCase, std::ostream* out) {
    *out << testCase.plugin;
}

const PluginCase kPluginCases[] = {
    {"conccomp", {RuleFamily::MiddleValueRounded, StrengthSource::FromStrengths}, "4.1"},
    {"concflex", {RuleFamily::LoadLine, StrengthSource::FromForceText}, "4.0"},
    {"cmodulus", {RuleFamily::Modulus, StrengthSource::FromStrengths}, "4.1"},
    {"firedflex", {RuleFamily::Iterative10, StrengthSource::FromStrengths}, "4.1"},
    {"wallflex", {RuleFamily::Iterative10, StrengthSource::FromStrengths}, "4.1"},
    {"pasteflex", {RuleFamily::Iterative10, StrengthSource::FromStrengths}, "4.1"},
    {"firedcomp", {RuleFamily::SixSpecimen, StrengthSource::FromStrengths}, "4.1"},
    {"mortcomp", {RuleFamily::SixSpecimen, StrengthSource::FromStrengths}, "4.1"},
    {"pastecomp", {RuleFamily::SixSpecimen, StrengthSource::FromStrengths}, "4.1"},
    {"wallcomp", {RuleFamily::PlainMean, StrengthSource::FromForceText}, "4.0"},
    {"unconfcomp", {RuleFamily::PlainMean, StrengthSource::FromForceText}, "4.0"},
    {"gnrl", {RuleFamily::PlainMean, StrengthSource::FromForceText}, "4.0"},
    {"aerblock", {RuleFamily::PlainMean, StrengthSource::FromForceText}, "4.0"},
};

class PluginRules : public ::testing::TestWithParam<PluginCase> {};

TEST_P(PluginRules, MapsThePluginToItsRule) {
    EXPECT_EQ(ruleForPlugin(GetParam().plugin), GetParam().rule);
}

// A group ended after two specimens: every rule takes the plain mean of the two.
TEST_P(PluginRules, TwoSpecimensTakeThePlainMean) {
    const GroupInput group = makeGroup({2, {100, 102, 500}, {4.0f, 4.2f, 20.0f}, 2, 1, 25.0f, 34.0f});
    EXPECT_EQ(evaluateGroup(GetParam().rule, group), (GroupOutcome{"101.00", GetParam().strengthOfTwo, {}}));
}

// A group ended before its first specimen: "无效" for both values in every rule.
TEST_P(PluginRules, NoSpecimenIsInvalid) {
    const GroupInput group = makeGroup({0, {100, 102, 500}, {4.0f, 4.2f, 20.0f}, 2, 1, 25.0f, 34.0f});
    EXPECT_EQ(evaluateGroup(GetParam().rule, group), (GroupOutcome{"无效", "无效", {}}));
}

INSTANTIATE_TEST_SUITE_P(AllPlugins, PluginRules, ::testing::ValuesIn(kPluginCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.plugin); });

TEST(PluginRuleTable, HoldsEachPluginOnce) {
    EXPECT_EQ(pluginRules().size(), std::size(kPluginCases));
}

TEST(PluginRuleTable, UnknownPluginIsAnError) {
    EXPECT_THROW(ruleForPlugin("conccomp2"), RuleInputError);
    EXPECT_THROW(ruleForPlugin(""), RuleInputError);
}

TEST(RuleInput, CountOrDecimalsOutOfRangeAreErrors) {
    const RuleChoice everyRule[] = {
        {RuleFamily::MiddleValueRounded, StrengthSource::FromStrengths},
        {RuleFamily::LoadLine, StrengthSource::FromForceText},
        {RuleFamily::Modulus, StrengthSource::FromStrengths},
        {RuleFamily::Iterative10, StrengthSource::FromStrengths},
        {RuleFamily::SixSpecimen, StrengthSource::FromStrengths},
        {RuleFamily::PlainMean, StrengthSource::FromForceText},
    };
    for (const RuleChoice& rule : everyRule) {
        SCOPED_TRACE(static_cast<int>(rule.family));
        EXPECT_THROW(evaluateGroup(rule, makeGroup({25, {}, {}})), RuleInputError);
        EXPECT_THROW(evaluateGroup(rule, makeGroup({-1, {}, {}})), RuleInputError);
        EXPECT_THROW(evaluateGroup(rule, makeGroup({3, {1, 1, 1}, {1, 1, 1}, 10, 1})), RuleInputError);
        EXPECT_THROW(evaluateGroup(rule, makeGroup({3, {1, 1, 1}, {1, 1, 1}, 2, -1})), RuleInputError);
        EXPECT_NO_THROW(evaluateGroup(rule, makeGroup({24, {}, {}, 9, 0})));
    }
}

} // namespace
} // namespace vamo::rules
