#include "plugin/evaluation/result_text.h"
#include "plugin/evaluation/rule_types.h"
#include "plugin/evaluation/single_arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vamo::rules {
namespace {

struct RoundingCase {
    float value;
    int decimals;
    const char* expected; // fixed-point text of the rounded value
};

// Scaling happens in double, after widening: 45.675f is 45.67499923..., so it goes down, although
// 45.675f * 100 computed in single precision would be exactly 4567.5.
TEST(RoundHalfUp, RoundsTheWidenedSingle) {
    const RoundingCase cases[] = {
        {86.455f, 2, "86.46"},   {45.675f, 2, "45.67"}, {0.125f, 2, "0.13"}, {2.5f, 0, "3"},
        {320.125f, 2, "320.13"}, {14.25f, 1, "14.3"},   {14.2f, 1, "14.2"},  {1.005f, 2, "1.00"},
    };
    for (const RoundingCase& testCase : cases) {
        SCOPED_TRACE(testCase.expected);
        EXPECT_EQ(fixedText(roundHalfUp(testCase.value, testCase.decimals), testCase.decimals),
                  testCase.expected);
    }
}

TEST(FixedText, WritesLikePrintfOfTheWidenedSingle) {
    EXPECT_EQ(fixedText(25.316f, 2), "25.32");
    EXPECT_EQ(fixedText(0.0f, 3), "0.000");
    EXPECT_EQ(fixedText(30000.7f, 0), "30001");
    EXPECT_EQ(fixedText(45.675f, 3), "45.675");
    EXPECT_EQ(fixedText(-12.5f, 1), "-12.5");
}

TEST(ValidValueText, NonFiniteValuesAreInvalid) {
    EXPECT_EQ(validValueText(std::numeric_limits<float>::infinity(), 2), "无效");
    EXPECT_EQ(validValueText(-std::numeric_limits<float>::infinity(), 2), "无效");
    EXPECT_EQ(validValueText(std::nan(""), 2), "无效");
    EXPECT_EQ(validValueText(31.0f, 2), "31.00");
}

TEST(StrengthFromForceText, DividesTheWrittenForce) {
    EXPECT_EQ(strengthFromForceText("320.00", 22.5f, 1), "14.2");
    EXPECT_EQ(strengthFromForceText("35.50", 2.5f, 1), "14.2");
    EXPECT_EQ(strengthFromForceText("无效", 22.5f, 1), "无效");
    EXPECT_THROW(strengthFromForceText("3l.00", 22.5f, 1), RuleInputError);
}

TEST(ClampToSingleRange, HoldsQuotientsAtTheSingleLimits) {
    const float infinity = std::numeric_limits<float>::infinity();
    EXPECT_EQ(clampToSingleRange(infinity), 3.4e38f);
    EXPECT_EQ(clampToSingleRange(std::nanf("")), 3.4e38f);
    EXPECT_EQ(clampToSingleRange(-infinity), -3.4e38f);
    EXPECT_EQ(clampToSingleRange(3.40282e38f), 3.4e38f);
    EXPECT_EQ(clampToSingleRange(-12.5f), -12.5f);
}

TEST(SingleMean, AddsInOrderAndDividesInSinglePrecision) {
    // 1e8 + 1 + 1 - 1e8 is 0 in single precision, added in this order; in double it would be 2.
    const float values[] = {1e8f, 1.0f, 1.0f, -1e8f};
    EXPECT_EQ(singleMean(values), 0.0f);
    const float thirds[] = {86.455f, 86.456f, 86.454f};
    EXPECT_GT(static_cast<double>(singleMean(thirds)), 86.455);
}

} // namespace
} // namespace vamo::rules
