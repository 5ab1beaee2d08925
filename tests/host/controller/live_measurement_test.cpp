#include "host/controller/live_measurement.h"
#include "host/controller/receive_buffer.h"
#include "measurement_bytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vamo::controller {
namespace {

using test::Bytes;
using test::measurementBytes;

// The live values fed from bytes, the way the host wires the receive buffer to them.
class LiveMeasurementTest : public ::testing::Test {
protected:
    void deliver(const Bytes& bytes) { buffer.deliver(bytes.data(), bytes.size()); }
    void setDivisor(float divisor) { live.fget_s(&divisor); }
    void startRun() {
        live.inputs().runState = 1;
        live.inputs().runFlag = 1.0f;
    }

    LiveMeasurement live;
    ReceiveBuffer buffer{[this](const MeasurementFrame& frame) { live.applyFrame(frame); }};
};

TEST_F(LiveMeasurementTest, ForceFramesShowTheForceWithTheZeroThresholdApplied) {
    struct Case {
        Bytes value;
        std::string shown;
        float force;
    };
    const std::vector<Case> cases{
        {{0xFF, 0xFF, 0xFF, 0x9C}, "-1.00", -1.0f},    {{0x00, 0x00, 0x01, 0xF4}, "5.00", 5.0f},
        {{0x00, 0x00, 0x00, 0x28}, "0.00", 0.0f}, // 0.40 is below the zero threshold 0.5
        {{0xFF, 0xFF, 0xFF, 0xD8}, "-0.40", -0.4f}, // negative forces are not zeroed
        {{0x00, 0x00, 0x00, 0x32}, "0.50", 0.5f}, // the threshold itself is kept
        {{0x00, 0x01, 0x81, 0xCD}, "987.65", 987.65f},
    };
    for (const Case& c : cases) {
        deliver(measurementBytes(0, c.value[0], c.value[1], c.value[2], c.value[3]));
        EXPECT_EQ(live.texts().press_display_windows, c.shown);
        EXPECT_EQ(live.texts().statusPanel3, "当前力码: " + c.shown);
        EXPECT_FLOAT_EQ(live.values().force, c.force) << c.shown;
    }
}

TEST_F(LiveMeasurementTest, ForceFrameAlsoRefreshesPeakSpeedAndTimeDisplays) {
    live.values().peakForce = 12.5f;
    deliver(measurementBytes(2, 0xFF, 0xFF, 0xFF, 0x9C));
    EXPECT_EQ(live.texts().speed_display_windows, "-1.00");
    EXPECT_FLOAT_EQ(live.values().loadingSpeed, -1.0f);
    EXPECT_EQ(live.texts().max_press_windows, ""); // a speed frame shows only the speed

    startRun();
    live.values().elapsedMs = 12345;
    deliver(measurementBytes(0, 0x00, 0x00, 0x01, 0xF4));
    EXPECT_EQ(live.texts().max_press_windows, "12.50");
    EXPECT_EQ(live.texts().speed_display_windows, "-1.00");
    EXPECT_EQ(live.texts().run_time_windows, "12.3");
}

TEST_F(LiveMeasurementTest, FormatsWithTheDecimalsSetAtTheTimeOfTheFrame) {
    struct Case {
        int decimals;
        std::string force;
        std::string speed;
    };
    const std::vector<Case> cases{{0, "5", "-1"}, {1, "5.0", "-1.0"}, {3, "5.000", "-1.000"}};
    for (const Case& c : cases) {
        live.inputs().forceDecimals = c.decimals;
        live.inputs().speedDecimals = c.decimals;
        deliver(measurementBytes(2, 0xFF, 0xFF, 0xFF, 0x9C));
        deliver(measurementBytes(0, 0x00, 0x00, 0x01, 0xF4));
        EXPECT_EQ(live.texts().press_display_windows, c.force);
        EXPECT_EQ(live.texts().statusPanel3, "当前力码: " + c.force);
        EXPECT_EQ(live.texts().speed_display_windows, c.speed);
    }
}

TEST_F(LiveMeasurementTest, StrengthDuringARunIsForceOverDivisorLessOneAboveThree) {
    struct Case {
        Bytes value;
        std::string strength;
        std::string peakStrength;
    };
    // Divisor 10; the peak strength keeps the largest strength shown.
    const std::vector<Case> cases{
        {{0x00, 0x00, 0x0B, 0xB8}, "3.00", "3.00"}, // 30 kN: 3.0 exactly is not lowered
        {{0x00, 0x00, 0x13, 0x88}, "4.00", "4.00"}, // 50 kN: 5.0 - 1.0
        {{0x00, 0x00, 0x0C, 0x1C}, "2.10", "4.00"}, // 31 kN: 3.1 - 1.0
    };
    setDivisor(10.0f);
    startRun();
    for (const Case& c : cases) {
        deliver(measurementBytes(0, c.value[0], c.value[1], c.value[2], c.value[3]));
        EXPECT_EQ(live.texts().intensity_dislay_windows, c.strength);
        EXPECT_EQ(live.texts().intensity_max_windows, c.peakStrength);
    }
    EXPECT_FLOAT_EQ(live.values().strength, 2.1f);
    EXPECT_FLOAT_EQ(live.values().peakStrength, 4.0f);
}

TEST_F(LiveMeasurementTest, IdleForceFrameShowsZeroTextsAndKeepsTheStrength) {
    setDivisor(10.0f);
    startRun();
    deliver(measurementBytes(0, 0x00, 0x00, 0x13, 0x88));
    live.inputs().runState = 0;
    live.values().elapsedMs = 5000;
    deliver(measurementBytes(0, 0x00, 0x00, 0x27, 0x10)); // 100 kN
    EXPECT_EQ(live.texts().intensity_dislay_windows, "0.0");
    EXPECT_EQ(live.texts().intensity_max_windows, "0.0");
    EXPECT_EQ(live.texts().run_time_windows, "0.0");
    EXPECT_EQ(live.texts().press_display_windows, "100.00");
    EXPECT_FLOAT_EQ(live.values().strength, 4.0f);
    EXPECT_FLOAT_EQ(live.values().peakStrength, 4.0f);
}

TEST_F(LiveMeasurementTest, StrengthIsZeroWithoutAUsableDivisor) {
    startRun();
    deliver(measurementBytes(0, 0x00, 0x00, 0x13, 0x88)); // no plug-in has handed a divisor over
    EXPECT_EQ(live.texts().intensity_dislay_windows, "0.00");
    EXPECT_EQ(live.texts().intensity_max_windows, "0.00");

    setDivisor(1e-40f); // the quotient overflows to infinity
    deliver(measurementBytes(0, 0x00, 0x00, 0x13, 0x88));
    EXPECT_EQ(live.texts().intensity_dislay_windows, "0.00");
    EXPECT_FLOAT_EQ(live.values().peakStrength, 0.0f);
}

TEST_F(LiveMeasurementTest, PeakFrameIsTakenOnlyWhileNoRunIsArmed) {
    deliver(measurementBytes(1, 0x00, 0x01, 0x81, 0xCD));
    EXPECT_EQ(live.texts().max_press_windows, "987.65");
    EXPECT_FLOAT_EQ(live.values().peakForce, 987.65f);

    deliver(measurementBytes(1, 0x00, 0x00, 0x01, 0xF4)); // lower than the peak held
    EXPECT_EQ(live.texts().max_press_windows, "987.65");

    live.values().peakForce = 0.0f;
    live.inputs().runFlag = 1.0f;
    deliver(measurementBytes(1, 0x00, 0x01, 0x81, 0xCD));
    EXPECT_FLOAT_EQ(live.values().peakForce, 0.0f);
    EXPECT_EQ(live.texts().max_press_windows, "0.00");
}

TEST_F(LiveMeasurementTest, ListenerIsToldAfterEachFrameWithItsType) {
    std::vector<FrameType> told;
    std::vector<std::string> forceShown;
    live.setListener([&](FrameType type) {
        told.push_back(type);
        forceShown.push_back(live.texts().press_display_windows);
    });
    Bytes bytes = test::concat({measurementBytes(0, 0, 0, 0x01, 0xF4), measurementBytes(7, 0, 0, 0, 1),
                                measurementBytes(1, 0, 0, 0, 1), measurementBytes(2, 0, 0, 0, 1)});
    deliver(bytes);
    EXPECT_EQ(told,
              (std::vector<FrameType>{FrameType::Force, FrameType::PeakForce, FrameType::LoadingSpeed}));
    EXPECT_EQ(forceShown.front(), "5.00");
}

TEST_F(LiveMeasurementTest, EveryMeasurementFrameLowersTheWatchdogByTwoWhileAboveOne) {
    struct Case {
        int countBefore;
        std::uint8_t type;
        int countAfter;
    };
    const std::vector<Case> cases{
        {0, 0, 0}, {1, 0, 1},     {2, 0, 0}, {3, 1, 1},
        {5, 2, 3}, {200, 0, 198}, {5, 3, 5}, // other types leave it alone
    };
    for (const Case& c : cases) {
        live.watchdog().reset();
        for (int i = 0; i < c.countBefore; ++i) {
            live.watchdog().increment();
        }
        deliver(measurementBytes(c.type, 0, 0, 0, 1));
        EXPECT_EQ(live.watchdog().count(), c.countAfter)
            << "from " << c.countBefore << ", type " << int(c.type);
    }
}

TEST(WatchdogCount, ReachesTheLimitAfter200TicksWithoutFramesAndResets) {
    WatchdogCount watchdog;
    for (int tick = 0; tick < 199; ++tick) {
        watchdog.increment();
    }
    EXPECT_FALSE(watchdog.reached(200));
    watchdog.increment();
    EXPECT_TRUE(watchdog.reached(200));
    watchdog.reset();
    EXPECT_EQ(watchdog.count(), 0);
    EXPECT_FALSE(watchdog.reached(200));

    // One force frame per tick more than compensates the tick: the count never climbs.
    for (int tick = 0; tick < 1000; ++tick) {
        watchdog.increment();
        watchdog.frameReceived();
    }
    EXPECT_LE(watchdog.count(), 1);
}

TEST(FgetS, StoresTheDivisorAndReturnsItsGeneralText) {
    struct Case {
        float divisor;
        std::u16string text;
    };
    const std::vector<Case> cases{
        {22.5f, u"22.5"},
        {150.0f, u"150"},
        {0.0f, u"0"},
        {-4.25f, u"-4.25"},
        {0.1f, u"0.100000001490116"}, // the single as it is, widened: 15 significant digits
        {2250.0f, u"2250"},
        {1e20f, u"1.00000002004088e+20"},
    };
    LiveMeasurement live;
    for (const Case& c : cases) {
        const char16_t* text = live.fget_s(&c.divisor);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(std::u16string(text), c.text);
        EXPECT_FLOAT_EQ(live.values().strengthDivisor, c.divisor);
    }
}

TEST(FgetS, NullPointerStoresNothing) {
    LiveMeasurement live;
    const float divisor = 22.5f;
    live.fget_s(&divisor);
    EXPECT_EQ(std::u16string(live.fget_s(nullptr)), u"22.5");
    EXPECT_FLOAT_EQ(live.values().strengthDivisor, 22.5f);
}

} // namespace
} // namespace vamo::controller
