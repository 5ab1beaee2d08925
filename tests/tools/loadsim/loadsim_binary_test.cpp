// The real loadsim binary on a pseudo-terminal, polled the way the host polls it.

#include "tests/tools/loadsim/binary_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace vamo::loadsim::test {
namespace {

using namespace std::chrono_literals;

// The host's poll types over ten ticks, repeating.
const std::vector<std::uint8_t> hostPollCycle{0, 0, 0, 1, 0, 0, 0, 0, 2, 0};

struct Exchange {
    std::uint8_t pollType = 0;
    Measurement answer;
};

// Anything at the path, a dangling link included.
bool pathEntryExists(const std::filesystem::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

std::vector<std::string> fileLines(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Starts loadsim and waits for its ready line, which it returns.
std::string startAndWaitReady(LoadsimProcess& process) {
    const auto ready = process.readLine(10s);
    if (!ready) {
        ADD_FAILURE() << "loadsim printed no ready line";
        return {};
    }
    return *ready;
}

std::string slaveNameOf(const std::string& readyLine) {
    const auto open = readyLine.find(" (");
    const auto close = readyLine.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open) {
        return {};
    }
    return readyLine.substr(open + 2, close - open - 2);
}

TEST(LoadsimBinary, PlaysOneSpecimenToTheHostPollSequenceAndEndsCleanly) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "dev");
    const auto link = dir.path() / "dev" / "com1";
    const auto pollLog = dir.path() / "polls";
    LoadsimProcess process({"--link", link.string(), "--breaks", "20", "--rate", "20", "--pause", "1",
                            "--hold", "0.3", "--noise", "0", "--log-polls", pollLog.string()},
                           dir.path() / "stderr");

    const std::string ready = startAndWaitReady(process);
    ASSERT_EQ(ready.rfind("loadsim: ready on " + link.string() + " (/dev/pts/", 0), 0u) << ready;
    ASSERT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::read_symlink(link).string(), slaveNameOf(ready));

    // Idle 1 s, loading 1 s to 20 kN, held for 0.3 s, the break within 1 s, then idle: polled
    // every 40 ms for a little longer than that.
    std::vector<Exchange> exchanges;
    {
        HostLine line(link);
        const auto end = std::chrono::steady_clock::now() + 3600ms;
        for (std::size_t tick = 0; std::chrono::steady_clock::now() < end; ++tick) {
            const std::uint8_t type = hostPollCycle[tick % hostPollCycle.size()];
            line.sendPoll(type);
            const auto answer = line.nextMeasurement(1s);
            ASSERT_TRUE(answer) << "no answer to poll " << tick;
            EXPECT_EQ(answer->type, type) << "poll " << tick;
            exchanges.push_back({type, *answer});
            std::this_thread::sleep_for(40ms);
        }
        EXPECT_EQ(line.bytesDropped(), 0u) << "answers were not clean frames";
    }

    std::vector<std::int32_t> forces;
    std::vector<std::int32_t> peaks;
    for (const Exchange& exchange : exchanges) {
        if (exchange.pollType == 0) {
            forces.push_back(exchange.answer.hundredths);
        } else if (exchange.pollType == 1) {
            peaks.push_back(exchange.answer.hundredths);
        }
    }
    ASSERT_FALSE(forces.empty());
    EXPECT_EQ(forces.front(), 0) << "idle before the first specimen";
    const auto highest = std::max_element(forces.begin(), forces.end());
    EXPECT_EQ(*highest, 2000) << "force rose to the break force and was held there";
    EXPECT_TRUE(std::any_of(forces.begin(), highest, [](std::int32_t f) { return f > 0 && f < 1500; }))
        << "a rise, not a jump";
    EXPECT_TRUE(std::find(highest, forces.end(), 0) != forces.end())
        << "force fell back to 0 after the break";
    EXPECT_EQ(forces.back(), 0) << "idle after the last specimen";

    EXPECT_EQ(*std::max_element(peaks.begin(), peaks.end()), 2000);
    EXPECT_EQ(peaks.back(), 2000) << "the peak stays until the next specimen loads";

    // A speed answer between two force answers that both show a force rising inside the
    // loading range was given while loading; one between two zero forces while idle.
    int speedsWhileLoading = 0;
    int speedsWhileIdle = 0;
    for (std::size_t i = 1; i + 1 < exchanges.size(); ++i) {
        if (exchanges[i].pollType != 2 || exchanges[i - 1].pollType != 0 || exchanges[i + 1].pollType != 0) {
            continue;
        }
        const std::int32_t before = exchanges[i - 1].answer.hundredths;
        const std::int32_t after = exchanges[i + 1].answer.hundredths;
        if (before > 0 && after > before && after < 2000) {
            EXPECT_EQ(exchanges[i].answer.hundredths, 2000) << "speed while loading";
            ++speedsWhileLoading;
        } else if (before == 0 && after == 0) {
            EXPECT_EQ(exchanges[i].answer.hundredths, 0) << "speed while idle";
            ++speedsWhileIdle;
        }
    }
    EXPECT_GT(speedsWhileLoading, 0);
    EXPECT_GT(speedsWhileIdle, 0);

    process.sendSignal(SIGTERM);
    EXPECT_EQ(process.waitForExit(10s), 0);
    EXPECT_FALSE(pathEntryExists(link)) << "the link is removed at the end";
    EXPECT_EQ(process.readRest(), "") << "nothing on standard output after the ready line";

    std::vector<std::string> expectedLog;
    for (const Exchange& exchange : exchanges) {
        expectedLog.push_back(std::to_string(exchange.pollType));
    }
    EXPECT_EQ(fileLines(pollLog), expectedLog);
}

TEST(LoadsimBinary, AnswersSurviveGarbageSplittingAndReopeningTheLine) {
    TempDir dir;
    const auto link = dir.path() / "com1";
    LoadsimProcess process({"--link", link.string(), "--breaks", "20", "--rate", "20", "--pause", "0.3",
                            "--repeat", "--noise", "0", "--garbage", "1", "--split", "--seed", "11"},
                           dir.path() / "stderr");
    startAndWaitReady(process);

    constexpr std::size_t pollsPerOpening = 20;
    for (int opening = 0; opening < 2; ++opening) {
        HostLine line(link);
        for (std::size_t tick = 0; tick < pollsPerOpening; ++tick) {
            const std::uint8_t type = hostPollCycle[tick % hostPollCycle.size()];
            line.sendPoll(type);
            const auto answer = line.nextMeasurement(1s);
            ASSERT_TRUE(answer) << "opening " << opening << ", poll " << tick;
            EXPECT_EQ(answer->type, type);
            EXPECT_GE(answer->hundredths, 0);
            EXPECT_LE(answer->hundredths, 2000);
        }
        // Every answer came with 1 to 8 garbage bytes in front of it.
        EXPECT_GE(line.bytesDropped(), pollsPerOpening);
        EXPECT_LE(line.bytesDropped(), 8 * pollsPerOpening);
        EXPECT_EQ(line.bytesReceived(), line.bytesDropped() + 11 * pollsPerOpening);
    }

    process.sendSignal(SIGINT);
    EXPECT_EQ(process.waitForExit(10s), 0);
    EXPECT_FALSE(pathEntryExists(link));
}

TEST(LoadsimBinary, FallsSilentAfterTheGivenTimeButStillLogsPolls) {
    TempDir dir;
    const auto link = dir.path() / "com1";
    const auto pollLog = dir.path() / "polls";
    LoadsimProcess process(
        {"--link", link.string(), "--silence-after", "0.5", "--noise", "0", "--log-polls", pollLog.string()},
        dir.path() / "stderr");
    startAndWaitReady(process);

    HostLine line(link);
    line.sendPoll(0);
    EXPECT_TRUE(line.nextMeasurement(1s)) << "answers before the silence";
    std::this_thread::sleep_for(600ms);
    for (std::uint8_t type : {0, 1, 2}) {
        line.sendPoll(type);
        EXPECT_FALSE(line.nextMeasurement(300ms)) << "answered type " << int{type} << " after the silence";
    }

    process.sendSignal(SIGTERM);
    EXPECT_EQ(process.waitForExit(10s), 0);
    EXPECT_EQ(fileLines(pollLog), (std::vector<std::string>{"0", "0", "1", "2"}));
}

TEST(LoadsimBinary, UnknownPollTypesGetNoAnswer) {
    TempDir dir;
    const auto link = dir.path() / "com1";
    LoadsimProcess process({"--link", link.string(), "--noise", "0"}, dir.path() / "stderr");
    startAndWaitReady(process);

    HostLine line(link);
    for (std::uint8_t type : {3, 4, 0xFF}) {
        line.sendPoll(type);
    }
    line.sendPoll(2);
    const auto answer = line.nextMeasurement(1s);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->type, 2) << "the first answer is the one to the known type";
    EXPECT_EQ(line.bytesDropped(), 0u);
}

TEST(LoadsimBinary, ReplacesAStaleLinkButRefusesAnyOtherFile) {
    TempDir dir;
    const auto staleLink = dir.path() / "com1";
    std::filesystem::create_symlink("/dev/pts/does-not-exist", staleLink);
    {
        LoadsimProcess process({"--link", staleLink.string()}, dir.path() / "stderr");
        const std::string ready = startAndWaitReady(process);
        EXPECT_EQ(std::filesystem::read_symlink(staleLink).string(), slaveNameOf(ready));
        process.sendSignal(SIGTERM);
        EXPECT_EQ(process.waitForExit(10s), 0);
        EXPECT_FALSE(pathEntryExists(staleLink));
    }

    const auto regularFile = dir.path() / "com2";
    std::ofstream(regularFile) << "keep me";
    const FinishedRun run = runLoadsim({"--link", regularFile.string()}, dir);
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.standardOutput, "") << "no ready line";
    EXPECT_NE(run.standardError.find(regularFile.string()), std::string::npos) << run.standardError;
    EXPECT_FALSE(std::filesystem::is_symlink(regularFile));
    EXPECT_EQ(fileLines(regularFile), (std::vector<std::string>{"keep me"}));
}

TEST(LoadsimBinary, HelpDocumentsEveryOption) {
    TempDir dir;
    const FinishedRun run = runLoadsim({"--help"}, dir);
    EXPECT_EQ(run.exitStatus, 0);
    for (const char* option :
         {"--link", "--device", "--breaks", "--rate", "--pause", "--start-delay", "--repeat", "--noise",
          "--seed", "--garbage", "--split", "--silence-after", "--log-polls", "--help"}) {
        EXPECT_NE(run.standardOutput.find(option), std::string::npos) << option;
    }
}

TEST(LoadsimBinary, BadCommandLinesExitWithStatusTwoAndSayWhy) {
    struct Case {
        std::vector<std::string> arguments;
        std::string mentioned; // a piece of the message
    };
    // The parser's cases in detail are tested on the library; here one of each kind.
    const std::vector<Case> cases{
        {{"--link", "x", "--bogus"}, "--bogus"},
        {{"--link", "x", "--rate", "fast"}, "--rate"},
        {{"--link", "x", "--breaks", "20,,30"}, "--breaks"},
        {{"--breaks", "20"}, "--link"},
        {{"--link", "x", "--device", "y"}, "--device"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const FinishedRun run = runLoadsim(c.arguments, dir);
        EXPECT_EQ(run.exitStatus, 2) << c.arguments.back();
        EXPECT_EQ(run.standardOutput, "") << c.arguments.back();
        EXPECT_NE(run.standardError.find(c.mentioned), std::string::npos) << run.standardError;
    }
}

} // namespace
} // namespace vamo::loadsim::test
