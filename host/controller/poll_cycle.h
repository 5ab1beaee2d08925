#pragma once

#include "host/controller/frame.h"

namespace vamo::controller {

// The poll counter of the send step. Each step yields the next poll frame; over ten steps from start-up the
// types are 0, 0, 0, 1, 0, 0, 0, 0, 2, 0. The caller writes the frame to the port.
class PollCycle {
public:
    FrameBytes send_next_frame();

    int counter() const { return counter_; }

private:
    int counter_ = 0;
};

} // namespace vamo::controller
