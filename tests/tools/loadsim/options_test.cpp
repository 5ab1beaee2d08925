#include "tools/loadsim/options.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace vamo::loadsim {
namespace {

Options parse(std::vector<std::string_view> arguments) {
    return parseOptions(arguments);
}

TEST(LoadsimOptions, DefaultsNeedOnlyTheLine) {
    const Options options = parse({"--link", "dev/com1"});
    EXPECT_EQ(options.lineKind, LineKind::PseudoTerminal);
    EXPECT_EQ(options.linePath, "dev/com1");
    EXPECT_EQ(options.breakForces, (std::vector<double>{30.0, 32.0, 40.0}));
    EXPECT_DOUBLE_EQ(options.loadingRate, 10.0);
    EXPECT_DOUBLE_EQ(options.pauseSeconds, 3.0);
    EXPECT_DOUBLE_EQ(options.effectiveStartDelay(), 3.0);
    EXPECT_FALSE(options.repeat);
    EXPECT_DOUBLE_EQ(options.noiseAmplitude, 0.05);
    EXPECT_FALSE(options.seed);
    EXPECT_DOUBLE_EQ(options.garbageProbability, 0.0);
    EXPECT_FALSE(options.split);
    EXPECT_FALSE(options.silenceAfterSeconds);
    EXPECT_TRUE(options.pollLogPath.empty());
}

TEST(LoadsimOptions, EveryOptionTakesItsValueSeparateOrAfterAnEqualsSign) {
    for (const bool inlineValues : {false, true}) {
        std::vector<std::string> texts;
        auto add = [&](std::string name, std::string value) {
            if (inlineValues) {
                texts.push_back(name + "=" + value);
            } else {
                texts.push_back(name);
                texts.push_back(value);
            }
        };
        add("--device", "/dev/ttyUSB0");
        add("--breaks", "20,22.5,1e2");
        add("--rate", "12.5");
        add("--pause", "0");
        add("--start-delay", "0.25");
        add("--noise", "0");
        add("--seed", "18446744073709551615");
        add("--garbage", "0.5");
        add("--silence-after", "40");
        add("--log-polls", "/tmp/polls");
        texts.push_back("--repeat");
        texts.push_back("--split");
        const std::vector<std::string_view> arguments(texts.begin(), texts.end());

        const Options options = parseOptions(arguments);
        SCOPED_TRACE(inlineValues ? "with =" : "separate");
        EXPECT_EQ(options.lineKind, LineKind::Device);
        EXPECT_EQ(options.linePath, "/dev/ttyUSB0");
        EXPECT_EQ(options.breakForces, (std::vector<double>{20.0, 22.5, 100.0}));
        EXPECT_DOUBLE_EQ(options.loadingRate, 12.5);
        EXPECT_DOUBLE_EQ(options.pauseSeconds, 0.0);
        EXPECT_DOUBLE_EQ(options.effectiveStartDelay(), 0.25);
        EXPECT_DOUBLE_EQ(options.noiseAmplitude, 0.0);
        EXPECT_EQ(options.seed, 18446744073709551615ull);
        EXPECT_DOUBLE_EQ(options.garbageProbability, 0.5);
        EXPECT_EQ(options.silenceAfterSeconds, 40.0);
        EXPECT_EQ(options.pollLogPath, "/tmp/polls");
        EXPECT_TRUE(options.repeat);
        EXPECT_TRUE(options.split);
    }
}

TEST(LoadsimOptions, StartDelayFollowsThePauseUnlessGiven) {
    EXPECT_DOUBLE_EQ(parse({"--link", "x", "--pause", "1"}).effectiveStartDelay(), 1.0);
    EXPECT_DOUBLE_EQ(parse({"--link", "x", "--start-delay", "0", "--pause", "1"}).effectiveStartDelay(), 0.0);
}

TEST(LoadsimOptions, HelpNeedsNoLine) {
    EXPECT_TRUE(parse({"--help"}).help);
}

TEST(LoadsimOptions, RefusesWhatItCannotUse) {
    const std::vector<std::vector<std::string_view>> refused{
        {},
        {"--link"},
        {"--link", ""},
        {"--link", "a", "--device", "b"},
        {"--link", "a", "--link", "b"},
        {"--link", "a", "--unknown"},
        {"--link", "a", "-x"},
        {"--link", "a", "positional"},
        {"--link", "a", "--split=1"},
        {"--link", "a", "--breaks", ""},
        {"--link", "a", "--breaks", "20,"},
        {"--link", "a", "--breaks", "20,0"},
        {"--link", "a", "--breaks", "20 30"},
        {"--link", "a", "--rate", "0"},
        {"--link", "a", "--rate", "-5"},
        {"--link", "a", "--rate", "nan"},
        {"--link", "a", "--rate", "inf"},
        {"--link", "a", "--rate", "10kN"},
        {"--link", "a", "--rate", "2e6"},
        {"--link", "a", "--pause", "-0.1"},
        {"--link", "a", "--noise", "-1"},
        {"--link", "a", "--garbage", "1.01"},
        {"--link", "a", "--garbage", "-0.5"},
        {"--link", "a", "--seed", "1.5"},
        {"--link", "a", "--seed", "18446744073709551616"},
        {"--link", "a", "--silence-after", "soon"},
        {"--link", "a", "--log-polls", ""},
    };
    for (const auto& arguments : refused) {
        std::string line;
        for (std::string_view argument : arguments) {
            line += std::string(argument) + " ";
        }
        EXPECT_THROW(parseOptions(arguments), UsageError) << line;
    }
}

} // namespace
} // namespace vamo::loadsim
