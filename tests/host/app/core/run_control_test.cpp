#include "run_fakes.h"

#include <gtest/gtest.h>

namespace vamo::host::testing {
namespace {

constexpr int statusSystem = 1;
constexpr int statusRun = 2;

TEST(RunControl, ForceRisingAndFallingWalksTheStatesAndCompletesOnceInTheNextSecond) {
    RunFixture f;
    ASSERT_TRUE(f.run.start(f.clock));
    EXPECT_EQ(f.run.runState(), 1);
    EXPECT_EQ(f.run.runFlag(), 1.0f);
    EXPECT_FALSE(f.panel.start);
    EXPECT_EQ(f.panel.status[statusSystem], " 系统状态：加载");
    EXPECT_EQ(f.curve.prepares, 1);

    std::vector<int> states;
    for (float kN : {0.0f, 20.0f, 4.0f, 2.0f}) {
        f.force(kN);
        f.tick();
        states.push_back(f.run.runState());
    }
    EXPECT_EQ(states, (std::vector<int>{1, 2, 3, 11}));
    EXPECT_EQ(f.run.runFlag(), 0.0f);
    EXPECT_EQ(f.plugin.endOnes, 0);

    EXPECT_TRUE(f.second());
    EXPECT_EQ(f.plugin.endOnes, 1);
    EXPECT_EQ(f.run.runState(), 0);
    f.second();
    EXPECT_EQ(f.plugin.endOnes, 1);
    EXPECT_EQ(f.plugin.peaks, (std::vector<float>{20.0f}));
    EXPECT_EQ(f.chart.marks, (std::vector<std::string>{"最大力 20.00kN"}));
    EXPECT_EQ(f.chart.images, 1);
    EXPECT_TRUE(f.panel.start);
}

TEST(RunControl, ForceFallingBelowHalfTheStartThresholdEndsLoadingWithinOneTick) {
    RunFixture f;
    f.run.start(f.clock);
    f.force(20);
    f.tick();
    f.force(2);
    f.tick();
    EXPECT_EQ(f.run.runState(), 11);
}

TEST(RunControl, TransitionsOfTheRunState) {
    struct Case {
        const char* event;
        int from;
        float force;
        int to;
    };
    // Each case starts a run, drives it to `from`, then one tick with `force`.
    const std::vector<Case> cases{
        {"armed, force above start threshold", 1, 6.0f, 2},
        {"armed, force below it", 1, 4.0f, 1},
        {"loading, force at the start threshold", 2, 5.0f, 3},
        {"loading, force below half of it", 2, 2.0f, 11},
        {"unloading, force above it again", 3, 6.0f, 3},
        {"unloading, force at half of it", 3, 2.5f, 3},
        {"unloading, force below half of it", 3, 2.4f, 11},
    };
    for (const auto& c : cases) {
        RunFixture f;
        f.run.start(f.clock);
        if (c.from >= 2) {
            f.force(20);
            f.tick();
        }
        if (c.from == 3) {
            f.force(4);
            f.tick();
        }
        ASSERT_EQ(f.run.runState(), c.from) << c.event;
        f.force(c.force);
        f.tick();
        EXPECT_EQ(f.run.runState(), c.to) << c.event;
    }
}

TEST(RunControl, StopMenuAndRefusedStartReturnToIdle) {
    RunFixture f;
    f.run.start(f.clock);
    f.force(20);
    f.tick();
    f.run.stop();
    EXPECT_EQ(f.run.runState(), 0);
    EXPECT_EQ(f.run.runFlag(), 0.0f);
    EXPECT_EQ(f.live.values().peakForce, 0.0f);
    EXPECT_EQ(f.plugin.stops, 1);
    EXPECT_EQ(f.panel.status[statusRun], " 停止:----");
    EXPECT_EQ(f.panel.delayedEnables, 1);

    f.run.start(f.clock);
    f.run.abandonRun();
    EXPECT_EQ(f.run.runState(), 0);
    EXPECT_EQ(f.run.runFlag(), 0.0f);

    f.plugin.startAnswer = 0.0f;
    f.panel.start = false;
    EXPECT_FALSE(f.run.start(f.clock));
    EXPECT_EQ(f.run.runState(), 0);
    EXPECT_TRUE(f.panel.start);
}

TEST(RunControl, ArmedRunWithoutForceIsAbandonedAfterTheWaitTime) {
    RunFixture f;
    f.run.start(f.clock);
    for (int second = 1; second < 100; ++second) {
        ASSERT_TRUE(f.second());
        ASSERT_EQ(f.panel.status[statusRun], " 等待时间:" + std::to_string(100 - second) + "秒");
    }
    EXPECT_EQ(f.run.runState(), 1);
    EXPECT_FALSE(f.second()) << "the timer stays stopped until the next start";
    EXPECT_EQ(f.panel.status[statusRun], " 停止:----");
    EXPECT_EQ(f.run.runState(), 0);
    EXPECT_EQ(f.run.runFlag(), 0.0f);
    EXPECT_FALSE(f.panel.start) << "开始 stays disabled until 停止";
}

TEST(RunControl, ForceBetweenRecordAndStartThresholdsRecordsPointsWhileArmed) {
    RunFixture f;
    f.settings.recordThreshold = 1.0f;
    f.run.start(f.clock);
    f.force(3.0f);
    f.ticksOf(3);
    EXPECT_EQ(f.run.runState(), 1);
    ASSERT_EQ(f.curve.points.size(), 3u);
    EXPECT_EQ(f.curve.points[0].force, "3.00");
    EXPECT_EQ(f.curve.points[0].speed, "0.00");
    EXPECT_EQ(f.curve.points[2].elapsed, 600);
    f.second();
    EXPECT_EQ(f.panel.status[statusRun], " 运行:----");
}

TEST(RunControl, PeaksBelowTheZeroThresholdPlusFiveAreNotTracked) {
    RunFixture f;
    f.run.start(f.clock);
    f.force(5.2f);
    f.ticksOf(2);
    EXPECT_EQ(f.live.values().peakForce, 0.0f);
    EXPECT_EQ(f.curve.points.size(), 2u);
    f.force(5.6f);
    f.tick();
    EXPECT_EQ(f.live.values().peakForce, 5.6f);
    EXPECT_EQ(f.run.peakTimeMs(), 600.0f);
}

TEST(RunControl, AutomaticStartPutsTheFirstPointAtAboutTwoSeconds) {
    RunFixture f;
    f.force(20.0f);
    f.tick();
    EXPECT_EQ(f.plugin.starts, 1);
    EXPECT_EQ(f.plugin.testers, (std::vector<std::string>{"admin"}));
    EXPECT_EQ(f.run.runState(), 2);
    ASSERT_EQ(f.chart.curve.size(), 2u);
    EXPECT_EQ(f.chart.curve[0], (std::pair<double, double>{0.0, 0.0}));
    EXPECT_EQ(f.chart.curve[1], (std::pair<double, double>{2.0, 20.0}));
    EXPECT_EQ(f.curve.points.at(0).elapsed, 2000);
}

TEST(RunControl, RefusedAutomaticStartIsTriedAgainEveryTickWhileForceStaysHigh) {
    RunFixture f;
    f.plugin.startAnswer = 0.0f;
    f.force(20.0f);
    f.ticksOf(4);
    EXPECT_EQ(f.plugin.starts, 4);
    EXPECT_EQ(f.run.runState(), 0);
    f.panel.autoStart = false;
    f.ticksOf(2);
    EXPECT_EQ(f.plugin.starts, 4);
}

TEST(RunControl, RunClockStartsAgainPastTheLimit) {
    RunFixture f;
    f.run.start(f.clock);
    f.force(20.0f);
    f.tick();
    f.clock += std::chrono::milliseconds(RunControl::clockLimitMs);
    f.tick();
    f.tick();
    ASSERT_EQ(f.curve.points.size(), 3u);
    EXPECT_EQ(f.curve.points[0].elapsed, 200);
    EXPECT_GT(f.curve.points[1].elapsed, RunControl::clockLimitMs);
    EXPECT_EQ(f.curve.points[2].elapsed, 200);
}

TEST(RunControl, NonZeroDelayOfTheLastSpecimenSuppressesCountdownAndStopTexts) {
    RunFixture f;
    f.plugin.endOneAnswer = 16;
    f.run.start(f.clock);
    f.force(20);
    f.tick();
    f.force(0);
    f.tick();
    f.second();
    EXPECT_EQ(f.run.lastEndOneResult(), 16);
    f.panel.status[statusRun] = "unchanged";
    f.second();
    EXPECT_EQ(f.panel.status[statusRun], "unchanged") << "idle: no stop text";
    f.run.start(f.clock);
    for (int i = 0; i < 150; ++i) {
        ASSERT_TRUE(f.second());
    }
    EXPECT_EQ(f.panel.status[statusRun], "unchanged") << "armed: no countdown, no abandon";
    EXPECT_EQ(f.run.runState(), 1);
}

TEST(RunControl, PollsFollowTheCycleAndTheWatchdogEndsASilentLine) {
    RunFixture f;
    f.ticksOf(10);
    EXPECT_EQ(f.panel.pollTypes, (std::vector<int>{0, 0, 0, 1, 0, 0, 0, 0, 2, 0}));
    f.ticksOf(190);
    EXPECT_EQ(f.panel.timeouts, 0);
    EXPECT_FALSE(f.tick());
    EXPECT_EQ(f.panel.timeouts, 1);

    RunFixture g;
    for (int i = 0; i < 400; ++i) {
        g.tick();
        if (i % 2 == 0) {
            g.live.watchdog().frameReceived();
        }
    }
    EXPECT_EQ(g.panel.timeouts, 0) << "a frame every other tick keeps the line alive";
}

TEST(RunControl, FailingCurveInsertIsShownOnceAndPollingGoesOn) {
    RunFixture f;
    f.curve.failInserts = true;
    f.run.start(f.clock);
    f.force(20);
    f.ticksOf(5);
    EXPECT_EQ(f.panel.errors, (std::vector<std::string>{"database is locked"}));
    EXPECT_EQ(f.panel.pollTypes.size(), 5u);
    EXPECT_EQ(f.run.runState(), 2);
}

TEST(RunControl, ChartAxesGrowWithTheCurve) {
    RunFixture f;
    f.run.start(f.clock);
    EXPECT_EQ(f.chart.shown.time.maximum, 40);
    EXPECT_EQ(f.chart.shown.force.maximum, 1000);
    f.force(1010.0f);
    f.tick();
    EXPECT_EQ(f.chart.shown.force.maximum, 1050);
    EXPECT_EQ(f.chart.shown.force.increment, 105);
}

TEST(RunControl, EndGroupCallsTheEndExportAndBindsAgain) {
    RunFixture f;
    f.run.endGroup();
    EXPECT_EQ(f.plugin.endAlls, 1);
    EXPECT_EQ(f.plugin.rebinds, 1);
    EXPECT_EQ(f.panel.status[statusSystem], " 系统状态：停止");
    f.plugin.isLoaded = false;
    f.run.endGroup();
    EXPECT_EQ(f.plugin.rebinds, 1);
}

} // namespace
} // namespace vamo::host::testing
