#include "plugin/evaluation/evaluation_rules.h"
#include "plugin/evaluation/group_records.h"
#include "tests/plugin/evaluation/group_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vamo::rules {
namespace {

using test::makeGroup;
using test::Specimens;

struct ModulusCase {
    const char* name;
    Specimens group; // second values are the moduli
    GroupOutcome expected;
};

void PrintTo(const ModulusCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class ModulusRule : public ::testing::TestWithParam<ModulusCase> {};

TEST_P(ModulusRule, GivesTheValidValuesAndMarks) {
    const ModulusCase& testCase = GetParam();
    EXPECT_EQ(evaluateModulus(makeGroup(testCase.group)), testCase.expected);
}

// High fixed load 100 kN: reference 300 kN, limit 60 kN.
const ModulusCase kModulusCases[] = {
    // 400 deviates by 100: rejected; (30000.4 + 30001) / 2 as singles is 30000.699.
    {"RejectedSpecimenLeavesMeanOfTwoModuli",
     {3, {290, 310, 400}, {30000.4f, 30001.0f, 25000.0f}, 2, 1, 22.5f, 100.0f},
     {"30001", "30000.7", {3}}},
    {"NoneRejectedGivesMeanOfThreeModuli",
     {3, {300, 300, 300}, {30000, 31000, 32000}, 2, 1, 22.5f, 100.0f},
     {"31000", "31000.0", {}}},
    // 240 and 360 deviate by exactly 60: accepted.
    {"DeviationEqualToLimitIsAccepted",
     {3, {240, 300, 360}, {30000, 30500, 31600}, 2, 1, 22.5f, 100.0f},
     {"30700", "30700.0", {}}},
    {"TwoRejectedIsInvalid",
     {3, {200, 300, 400}, {30000, 31000, 32000}, 2, 1, 22.5f, 100.0f},
     {"无效", "无效", {1, 3}}},
    // Other counts: the first value is the mean force, then the mean modulus.
    {"TwoSpecimensTakeMeanForceAndMeanModulus",
     {2, {290, 310, 999}, {30000, 31000, 99}, 2, 1, 22.5f, 100.0f},
     {"300.00", "30500.0", {}}},
    {"FourSpecimensTakeMeanForceAndMeanModulus",
     {4, {290, 310, 400, 200}, {30000, 31000, 32000, 33000}, 2, 1, 22.5f, 100.0f},
     {"300.00", "31500.0", {}}},
    {"NoSpecimenIsInvalid", {0, {}, {}, 2, 1, 22.5f, 100.0f}, {"无效", "无效", {}}},
};

INSTANTIATE_TEST_SUITE_P(Cmodulus, ModulusRule, ::testing::ValuesIn(kModulusCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(ModulusRecords, WriteTheFirstValueAZeroAndTheModulusTwice) {
    const GroupOutcome outcome{"30001", "30000.7", {3}};
    const std::vector<NamedValue> expectedRows{
        {"有效力值", "30001"}, {"有效力值", "0"}, {"有效强度", "30000.7"}, {"弹性模量", "30000.7"}};
    EXPECT_EQ(groupTestSetRows(RuleFamily::Modulus, outcome), expectedRows);
}

TEST(ModulusRecords, RowAfterTheSpecimensEndsWithTheModulus) {
    const GroupOutcome outcome{"30001", "30000.7", {3}};
    const std::vector<GridCell> expectedCells{{1, 4, "30001"}, {1, 4, "30000.7"}};
    EXPECT_EQ(groupGridCells(RuleFamily::Modulus, outcome, 3), expectedCells);
}

TEST(GroupRecords, OtherRulesWriteValidForceAndValidStrength) {
    const GroupOutcome outcome{"320.00", "14.2", {3}};
    const std::vector<NamedValue> expectedRows{{"有效力值", "320.00"}, {"有效强度", "14.2"}};
    EXPECT_EQ(groupTestSetRows(RuleFamily::MiddleValueRounded, outcome), expectedRows);
    // A panel of 6 specimens: rows 7 and 8, also when the group was ended after fewer.
    const std::vector<GridCell> expectedCells{{1, 7, "320.00"}, {2, 8, "14.2"}};
    EXPECT_EQ(groupGridCells(RuleFamily::SixSpecimen, outcome, 6), expectedCells);
}

} // namespace
} // namespace vamo::rules
