#include "plugin/evaluation/evaluation_rules.h"
#include "tests/plugin/evaluation/group_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vamo::rules {
namespace {

using test::makeGroup;
using test::Specimens;

struct MiddleValueCase {
    const char* name;
    Specimens group;
    GroupOutcome expected;
};

void PrintTo(const MiddleValueCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class MiddleValueRule : public ::testing::TestWithParam<MiddleValueCase> {};

TEST_P(MiddleValueRule, GivesTheValidValuesAndMarks) {
    const MiddleValueCase& testCase = GetParam();
    EXPECT_EQ(evaluateMiddleValueRounded(makeGroup(testCase.group), StrengthSource::FromStrengths),
              testCase.expected);
}

const MiddleValueCase kMiddleValueCases[] = {
    {"OuterSpecimenRejectedGivesMiddleSpecimen",
     {3, {300, 320, 400}, {13.3f, 14.2f, 17.8f}},
     {"320.00", "14.2", {3}}},
    {"BothOuterSpecimensRejectedIsInvalid",
     {3, {250, 320, 400}, {11.1f, 14.2f, 17.8f}},
     {"无效", "无效", {1, 3}}},
    // 368 deviates by exactly 48 = 0.15 x 320: accepted.
    {"DeviationEqualToLimitIsAccepted", {3, {300, 320, 368}, {13.3f, 14.2f, 16.4f}}, {"329.33", "14.6", {}}},
    {"LowSpecimenRejected", {3, {200, 320, 330}, {8.9f, 14.2f, 14.7f}}, {"320.00", "14.2", {1}}},
    // The mean of three is a single slightly above 86.455: up; 45.675f lies slightly below: down.
    {"MeanJustAboveHalfRoundsUpJustBelowRoundsDown",
     {3, {86.455f, 86.456f, 86.454f}, {45.675f, 45.675f, 45.675f}, 2, 2},
     {"86.46", "45.67", {}}},
    // 320.125 and 14.25 are exact halves; a plain fixed-point format would give 320.12 and 14.2.
    {"ExactHalfRoundsUp", {3, {300, 320.125f, 400}, {13.3f, 14.25f, 17.8f}}, {"320.13", "14.3", {3}}},
    // 300, 400, 300: specimen 1 is taken as the middle one, so its strength stands for the group.
    {"EqualForcesTakeTheFirstMiddleSpecimen", {3, {300, 400, 300}, {10, 20, 30}}, {"300.00", "10.0", {2}}},
    {"TwoSpecimensTakeTheRoundedPlainMean",
     {2, {320.125f, 320.125f, 999}, {14.25f, 14.25f, 99}},
     {"320.13", "14.3", {}}},
    {"OneSpecimenTakesItsOwnValues", {1, {86.455f}, {45.675f}, 2, 2}, {"86.46", "45.67", {}}},
    {"NoSpecimenIsInvalid", {0, {}, {}}, {"无效", "无效", {}}},
};

INSTANTIATE_TEST_SUITE_P(Conccomp, MiddleValueRule, ::testing::ValuesIn(kMiddleValueCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

} // namespace
} // namespace vamo::rules
