#pragma once

#include "tools/loadsim/unique_fd.h"

#include <csignal>

namespace vamo::loadsim {

// Turns SIGTERM and SIGINT into a readable descriptor (a pipe written by the handler), so the
// I/O loop can wait for the line and for the end with one poll(). The previous handlers come
// back on destruction. Only one may exist at a time, because a signal handler can reach only
// process-wide state.
class StopSignal {
public:
    StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;
    ~StopSignal();

    // Readable once a stop signal has arrived.
    int fd() const { return readEnd_.get(); }

private:
    UniqueFd readEnd_;
    UniqueFd writeEnd_;
    struct sigaction previousTerm_ {};
    struct sigaction previousInt_ {};
};

} // namespace vamo::loadsim
