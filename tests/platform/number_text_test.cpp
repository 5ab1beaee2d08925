#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <optional>

namespace vamo::platform {
namespace {

TEST(NumberText, ParsesIntegersStrictly) {
    const struct {
        const char* text;
        std::optional<int> expected;
    } cases[] = {
        {"100", 100},
        {"  -7 ", -7},
        {"+5", 5},
        {"0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt}, // beyond int
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"12.5", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"+", std::nullopt},
        {"+-3", std::nullopt},
        {"0x10", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseInteger(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(NumberText, ParsesFloatingPointStrictly) {
    const struct {
        const char* text;
        std::optional<double> expected;
    } cases[] = {
        {"0.5", 0.5},
        {" 300 ", 300.0},
        {"-2.25", -2.25},
        {"+1.5", 1.5},
        {".5", 0.5},
        {"5.", 5.0},
        {"1e3", 1000.0},
        {"1.5E-2", 0.015},
        {"0.980000019073486", 0.980000019073486},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"0,98", std::nullopt},
        {"1.2.3", std::nullopt},
        {"5kN", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1e999", std::nullopt},
        {"0x1p3", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseFloatingPoint(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(NumberText, PrintsASingleWidenedToFifteenDigits) {
    const struct {
        float value;
        const char* expected;
    } cases[] = {
        {0.98f, "0.980000019073486"},
        {5.862f, "5.86199998855591"},
        {300.0f, "300"},
        {1.9047f, "1.90470004081726"},
        {19.092f, "19.0919990539551"},
        {7300000.0f, "7300000"},
        {0.5f, "0.5"},
        {-2.0f, "-2"},
        {0.0f, "0"},
        {1e20f, "1.00000002004088e+20"},
        {1e-5f, "9.99999974737875e-06"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatSingle(c.value), c.expected);
    }
}

TEST(NumberText, IgnoresTheCLocale) {
    // A desktop session may set a locale whose decimal separator is a comma.
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    }
    const std::string printed = formatSingle(0.98f);
    const auto parsed = parseFloatingPoint("0.5");
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(printed, "0.980000019073486");
    EXPECT_EQ(parsed, 0.5);
}

} // namespace
} // namespace vamo::platform
