#include "plugin/evaluation/evaluation_rules.h"
#include "tests/plugin/evaluation/group_fixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace vamo::rules {
namespace {

using test::makePeakTextGroup;

struct LoadLineCase {
    const char* name;
    std::vector<std::string> peakTexts;
    float strengthDivisor;
    GroupOutcome expected;
};

void PrintTo(const LoadLineCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class LoadLineRule : public ::testing::TestWithParam<LoadLineCase> {};

TEST_P(LoadLineRule, GivesTheValidValuesAndMarks) {
    const LoadLineCase& testCase = GetParam();
    const GroupInput group = makePeakTextGroup(testCase.peakTexts, testCase.strengthDivisor);
    EXPECT_EQ(evaluateLoadLine(group, StrengthSource::FromForceText), testCase.expected);
}

// Specimens outside the load lines are marked by their own peak text already; the rule marks only
// the first failing specimen of a checked pair, or the rejections of the middle-value selection.
const LoadLineCase kLoadLineCases[] = {
    // Outside 1 and 2 or 3 as well.
    {"FirstAndSecondOutsideIsInvalid", {"*30.00", "*28.00", "34.00"}, 2.5f, {"无效", "无效", {}}},
    {"FirstAndThirdOutsideIsInvalid", {"*30.00", "28.00", "*34.00"}, 2.5f, {"无效", "无效", {}}},
    {"AllOutsideIsInvalid", {"*30.00", "*28.00", "*34.00"}, 2.5f, {"无效", "无效", {}}},
    // Outside 1 only: pair (2, 3), checked 2 then 3. p = 31; 3 <= 4.2 and 3 <= 5.1.
    {"FirstOutsideTakesMeanOfTheOthers", {"*30.00", "28.00", "34.00"}, 2.5f, {"31.00", "12.4", {}}},
    // p = 23: both deviate by 3, exactly 0.15 x 20 for specimen 2: accepted.
    {"FirstOutsidePairDeviationEqualToLimitPasses", {"*30.00", "20.00", "26.00"}, 2.5f, {"23.00", "9.2", {}}},
    // p = 35, deviation 5: specimen 2 (limit 4.5) fails first; 3 is not checked.
    {"FirstOutsideSecondFails", {"*30.00", "30.00", "40.00"}, 2.5f, {"无效", "无效", {2}}},
    // Specimen 2 (limit 6) passes, specimen 3 (limit 4.5) fails.
    {"FirstOutsideThirdFails", {"*30.00", "40.00", "30.00"}, 2.5f, {"无效", "无效", {3}}},
    // Both would fail; only the first checked is marked.
    {"FirstOutsideBothFailMarksSecond", {"*30.00", "20.00", "40.00"}, 2.5f, {"无效", "无效", {2}}},
    // Outside 2 and 3.
    {"SecondAndThirdOutsideIsInvalid", {"30.00", "*28.00", "*34.00"}, 2.5f, {"无效", "无效", {}}},
    // Outside 2 only: pair (1, 3), checked 1 then 3.
    {"SecondOutsideTakesMeanOfTheOthers", {"30.00", "*28.00", "34.00"}, 2.5f, {"32.00", "12.8", {}}},
    {"SecondOutsideBothFailMarksFirst", {"20.00", "*28.00", "40.00"}, 2.5f, {"无效", "无效", {1}}},
    {"SecondOutsideThirdFails", {"40.00", "*28.00", "30.00"}, 2.5f, {"无效", "无效", {3}}},
    // Outside 3 only: pair (1, 2), checked 2 then 1.
    {"ThirdOutsideTakesMeanOfTheOthers", {"30.00", "34.00", "*28.00"}, 2.5f, {"32.00", "12.8", {}}},
    {"ThirdOutsideBothFailMarksSecond", {"20.00", "40.00", "*28.00"}, 2.5f, {"无效", "无效", {2}}},
    {"ThirdOutsideFirstFails", {"30.00", "40.00", "*28.00"}, 2.5f, {"无效", "无效", {1}}},
    // None outside: the middle-value selection, without the rounding of the compressive rule.
    {"NoneOutsideRejectsOuterSpecimen", {"300.00", "320.00", "400.00"}, 22.5f, {"320.00", "14.2", {3}}},
    {"NoneOutsideTakesMeanOfThree", {"30.00", "31.00", "32.00"}, 2.5f, {"31.00", "12.4", {}}},
    {"NoneOutsideBothOuterRejectedIsInvalid",
     {"250.00", "320.00", "400.00"},
     22.5f,
     {"无效", "无效", {1, 3}}},
    // 320.125 is an exact half: formatted as the formatter rounds it (to even), not rounded up.
    {"NoneOutsideIsNotRoundedHalfUp", {"300.000", "320.125", "400.000"}, 22.5f, {"320.12", "14.2", {3}}},
};

INSTANTIATE_TEST_SUITE_P(Concflex, LoadLineRule, ::testing::ValuesIn(kLoadLineCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(LoadLineRuleOtherCounts, TwoSpecimensTakeThePlainMeanWhateverTheirPeakTexts) {
    const GroupInput group = makePeakTextGroup({"*30.00", "28.00"}, 2.5f, 2);
    EXPECT_EQ(evaluateLoadLine(group, StrengthSource::FromForceText), (GroupOutcome{"29.00", "11.6", {}}));
}

TEST(LoadLineRuleOtherCounts, NoSpecimenIsInvalid) {
    const GroupInput group = makePeakTextGroup({}, 2.5f, 0);
    EXPECT_EQ(evaluateLoadLine(group, StrengthSource::FromForceText), (GroupOutcome{"无效", "无效", {}}));
}

} // namespace
} // namespace vamo::rules
