#include "host/controller/poll_cycle.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace vamo::controller {
namespace {

using Bytes = std::array<std::uint8_t, 11>;

constexpr Bytes kForcePoll{0xA5, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x5A};
constexpr Bytes kPeakPoll{0xA5, 0x00, 0x00, 0x00, 0x01, 0x04, 0x00, 0x00, 0x00, 0x00, 0x5A};
constexpr Bytes kSpeedPoll{0xA5, 0x00, 0x00, 0x00, 0x02, 0x04, 0x00, 0x00, 0x00, 0x00, 0x5A};

TEST(PollCycle, TenStepsFromStartUpAskForceThreePeakForceFourSpeedForceAndRepeat) {
    const std::array<Bytes, 10> expectedCycle{kForcePoll, kForcePoll, kForcePoll, kPeakPoll,  kForcePoll,
                                              kForcePoll, kForcePoll, kForcePoll, kSpeedPoll, kForcePoll};
    PollCycle cycle;
    for (int round = 0; round < 3; ++round) {
        for (std::size_t step = 0; step < expectedCycle.size(); ++step) {
            const FrameBytes frame = cycle.send_next_frame();
            EXPECT_EQ(Bytes(frame), expectedCycle[step]) << "round " << round << ", step " << step;
        }
    }
}

TEST(PollCycle, CounterStaysWithinZeroToNine) {
    PollCycle cycle;
    EXPECT_EQ(cycle.counter(), 0);
    for (int step = 0; step < 25; ++step) {
        cycle.send_next_frame();
        EXPECT_GE(cycle.counter(), 0);
        EXPECT_LE(cycle.counter(), 9);
    }
    EXPECT_EQ(cycle.counter(), 5);
}

} // namespace
} // namespace vamo::controller
