#include "plugin/evaluation/evaluation_rules.h"
#include "tests/plugin/evaluation/group_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vamo::rules {
namespace {

using test::makeGroup;
using test::Specimens;

struct PlainMeanCase {
    const char* name;
    Specimens group;
    StrengthSource strength;
    GroupOutcome expected;
};

void PrintTo(const PlainMeanCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class PlainMeanRule : public ::testing::TestWithParam<PlainMeanCase> {};

TEST_P(PlainMeanRule, GivesTheMeansWithoutMarks) {
    const PlainMeanCase& testCase = GetParam();
    EXPECT_EQ(evaluatePlainMean(makeGroup(testCase.group), testCase.strength), testCase.expected);
}

const PlainMeanCase kPlainMeanCases[] = {
    {"StrengthFromTheStrengths",
     {3, {100, 110, 120}, {4.4f, 4.9f, 5.3f}},
     StrengthSource::FromStrengths,
     {"110.00", "4.9", {}}},
    {"StrengthFromTheForceText",
     {3, {300, 320, 340}, {}},
     StrengthSource::FromForceText,
     {"320.00", "14.2", {}}},
    // The force text is rounded to two decimals before it is divided: 1.00 / 0.01 gives 100.0,
    // where the mean of the strengths would give 100.4.
    {"ForceTextIsDividedAsWritten",
     {2, {1.004f, 1.004f}, {100.4f, 100.4f}, 2, 1, 0.01f},
     StrengthSource::FromForceText,
     {"1.00", "100.0", {}}},
    {"MeanOfTheStrengthsIgnoresTheForceText",
     {2, {1.004f, 1.004f}, {100.4f, 100.4f}, 2, 1, 0.01f},
     StrengthSource::FromStrengths,
     {"1.00", "100.4", {}}},
    // Only the first `count` specimens count, whatever the others hold.
    {"SpecimensAfterTheCountAreIgnored",
     {2, {100, 200, 900, 900}, {4, 8, 90, 90}},
     StrengthSource::FromStrengths,
     {"150.00", "6.0", {}}},
    {"ThirteenSpecimens",
     {13, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 23}, {}, 1, 2, 2.5f},
     StrengthSource::FromForceText,
     {"11.0", "4.40", {}}},
    {"NoDecimals", {2, {10, 11}, {1, 2}, 0, 0}, StrengthSource::FromStrengths, {"10", "2", {}}},
    // A strength divisor of 0 has no finite quotient: "无效", never the text of an infinity.
    {"ZeroDivisorGivesInvalidStrength",
     {2, {10, 11}, {}, 2, 1, 0.0f},
     StrengthSource::FromForceText,
     {"10.50", "无效", {}}},
    {"NoSpecimenIsInvalid", {0, {}, {}}, StrengthSource::FromForceText, {"无效", "无效", {}}},
    {"NoSpecimenIsInvalidFromStrengths", {0, {}, {}}, StrengthSource::FromStrengths, {"无效", "无效", {}}},
};

INSTANTIATE_TEST_SUITE_P(WallUnconfinedGeneralAndBlocks, PlainMeanRule, ::testing::ValuesIn(kPlainMeanCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

} // namespace
} // namespace vamo::rules
