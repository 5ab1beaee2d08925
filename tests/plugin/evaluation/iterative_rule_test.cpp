#include "plugin/evaluation/evaluation_rules.h"
#include "tests/plugin/evaluation/group_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vamo::rules {
namespace {

using test::makeGroup;
using test::Specimens;

struct IterativeCase {
    const char* name;
    Specimens group;
    GroupOutcome expected;
};

void PrintTo(const IterativeCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class IterativeRule : public ::testing::TestWithParam<IterativeCase> {};

TEST_P(IterativeRule, GivesTheValidValuesWithoutMarks) {
    const IterativeCase& testCase = GetParam();
    EXPECT_EQ(evaluateIterative10(makeGroup(testCase.group)), testCase.expected);
}

const IterativeCase kIterativeCases[] = {
    // Mean 13.33: 20 deviates most (6.67) and is dropped; the mean of the other two is 10.
    {"WorstSpecimenDropped", {3, {10, 10, 20}, {2.0f, 2.0f, 4.0f}}, {"10.00", "2.0", {}}},
    // Mean 15: 30 dropped; mean 12: 20 dropped; mean 10: done.
    {"TwoSpecimensDroppedOneAfterTheOther",
     {6, {10, 10, 10, 10, 20, 30}, {1, 1, 1, 1, 2, 3}},
     {"10.00", "1.0", {}}},
    {"NoneBeyondTenPercentKeepsAll", {3, {10, 10.5f, 11}, {1.0f, 1.1f, 1.2f}}, {"10.50", "1.1", {}}},
    // Mean 10, limit 1: a deviation of exactly 1 stays.
    {"DeviationEqualToLimitStays", {3, {9, 10, 11}, {0.9f, 1.0f, 1.1f}}, {"10.00", "1.0", {}}},
    // Two specimens close together: the plain mean of the two.
    {"TwoCloseSpecimensTakeTheirMean", {2, {100, 102}, {4.0f, 4.2f}}, {"101.00", "4.1", {}}},
    // The rule runs for every count: of two specimens far apart the lower number is dropped on the tie.
    {"TwoFarApartDropTheLowerNumberOnATie", {2, {10, 20}, {1, 2}}, {"20.00", "2.0", {}}},
    // A specimen after the count does not take part, even when it holds a value (the group was
    // evaluated after its count was lowered): it is not dropped and the divisor stays 1.
    {"SpecimenBeyondTheCountDoesNotTakePart", {1, {10, 20}, {1, 2}}, {"10.00", "1.0", {}}},
    // Only the first six take part, and the mean is taken over those six (not 60 / 8 = 7.50, nor
    // 82 / 8 = 10.25 over all eight).
    {"OnlyTheFirstSixTakePart",
     {8, {10, 10, 10, 10, 10, 10, 11, 11}, {1, 1, 1, 1, 1, 1, 2, 2}},
     {"10.00", "1.0", {}}},
    // Forces whose sum exceeds the single range: the mean is held at 3.4e38.
    {"OverflowingMeanIsClamped",
     {2, {3.0e38f, 3.0e38f}, {1, 1}},
     {"339999995214436424907732413799364296704.00", "1.0", {}}},
    {"NoSpecimenIsInvalid", {0, {}, {}}, {"无效", "无效", {}}},
};

INSTANTIATE_TEST_SUITE_P(FlexuralBricksAndPaste, IterativeRule, ::testing::ValuesIn(kIterativeCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

} // namespace
} // namespace vamo::rules
