#include "host/controller/poll_cycle.h"

namespace vamo::controller {

namespace {
constexpr int kLastCount = 9;
constexpr int kPeakForceCount = 4;
} // namespace

FrameBytes PollCycle::send_next_frame() {
    ++counter_;
    if (counter_ > kLastCount) {
        counter_ = 0;
    }
    FrameType type = FrameType::Force;
    if (counter_ == kPeakForceCount) {
        type = FrameType::PeakForce;
    } else if (counter_ == kLastCount) {
        type = FrameType::LoadingSpeed;
    }
    return pollFrame(type);
}

} // namespace vamo::controller
