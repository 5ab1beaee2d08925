#include "plugin/evaluation/evaluation_rules.h"
#include "tests/plugin/evaluation/group_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vamo::rules {
namespace {

using test::makeGroup;
using test::Specimens;

struct SixSpecimenCase {
    const char* name;
    Specimens group;
    GroupOutcome expected;
};

void PrintTo(const SixSpecimenCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class SixSpecimenRule : public ::testing::TestWithParam<SixSpecimenCase> {};

TEST_P(SixSpecimenRule, GivesTheValidValuesAndMarks) {
    const SixSpecimenCase& testCase = GetParam();
    EXPECT_EQ(evaluateSixSpecimen(makeGroup(testCase.group), StrengthSource::FromStrengths),
              testCase.expected);
}

const SixSpecimenCase kSixSpecimenCases[] = {
    // Mean 55, limit 5.5: 70 is rejected; the mean of the other five is 50.
    {"OneRejectedGivesMeanOfFive",
     {6, {50, 50, 50, 50, 50, 70}, {31.2f, 31.2f, 31.2f, 31.2f, 31.2f, 43.7f}},
     {"50.00", "31.2", {6}}},
    // After 70, the second pass finds 60 beyond 10 % of 52.
    {"SecondRejectionIsInvalid",
     {6, {50, 50, 50, 50, 60, 70}, {31.2f, 31.2f, 31.2f, 31.2f, 37.5f, 43.7f}},
     {"无效", "无效", {6, 5}}},
    {"NoneRejectedGivesMeanOfSix",
     {6, {50, 51, 52, 53, 54, 55}, {31, 32, 33, 34, 35, 36}},
     {"52.50", "33.5", {}}},
    // Mean 50, limit 5: deviations of exactly 5 are accepted.
    {"DeviationEqualToLimitIsAccepted",
     {6, {45, 55, 50, 50, 50, 50}, {28, 34, 31, 31, 31, 31}},
     {"50.00", "31.0", {}}},
    // 40 and 60 deviate equally from 50: the lower number goes first; then 60 is beyond 10 % of 52.
    {"EqualDeviationsRejectTheLowerNumberFirst",
     {6, {40, 50, 50, 50, 50, 60}, {25, 31, 31, 31, 31, 37}},
     {"无效", "无效", {1, 6}}},
    {"OtherCountsTakeThePlainMean", {2, {50, 70, 999}, {31.2f, 43.8f, 99}}, {"60.00", "37.5", {}}},
    {"TenSpecimensTakeThePlainMean",
     {10, {50, 50, 50, 50, 50, 50, 50, 50, 50, 70}, {30, 30, 30, 30, 30, 30, 30, 30, 30, 40}},
     {"52.00", "31.0", {}}},
    {"NoSpecimenIsInvalid", {0, {}, {}}, {"无效", "无效", {}}},
};

INSTANTIATE_TEST_SUITE_P(CompressiveBricksMortarAndPaste, SixSpecimenRule,
                         ::testing::ValuesIn(kSixSpecimenCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

} // namespace
} // namespace vamo::rules
