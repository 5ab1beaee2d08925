#include "tools/loadsim/stop_signal.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace vamo::loadsim {

namespace {

// The write end of the pipe of the one live StopSignal, for the handler.
volatile std::sig_atomic_t stopPipeWriteEnd = -1;

extern "C" void onStopSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(stopPipeWriteEnd, &byte, 1);
    errno = savedErrno;
}

void configurePipeEnd(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) < 0 || ::fcntl(fd, F_SETFD, FD_CLOEXEC) < 0) {
        throw std::runtime_error(std::string("cannot set up the stop pipe: ") + std::strerror(errno));
    }
}

} // namespace

StopSignal::StopSignal() {
    if (stopPipeWriteEnd != -1) {
        throw std::logic_error("a stop signal handler is already installed");
    }
    int ends[2];
    if (::pipe(ends) != 0) {
        throw std::runtime_error(std::string("cannot create the stop pipe: ") + std::strerror(errno));
    }
    readEnd_.reset(ends[0]);
    writeEnd_.reset(ends[1]);
    configurePipeEnd(readEnd_.get());
    configurePipeEnd(writeEnd_.get());
    stopPipeWriteEnd = writeEnd_.get();

    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    if (::sigaction(SIGTERM, &action, &previousTerm_) != 0) {
        stopPipeWriteEnd = -1;
        throw std::runtime_error(std::string("cannot install the stop signal handlers: ")
                                 + std::strerror(errno));
    }
    if (::sigaction(SIGINT, &action, &previousInt_) != 0) {
        ::sigaction(SIGTERM, &previousTerm_, nullptr);
        stopPipeWriteEnd = -1;
        throw std::runtime_error(std::string("cannot install the stop signal handlers: ")
                                 + std::strerror(errno));
    }
}

StopSignal::~StopSignal() {
    ::sigaction(SIGTERM, &previousTerm_, nullptr);
    ::sigaction(SIGINT, &previousInt_, nullptr);
    stopPipeWriteEnd = -1;
}

} // namespace vamo::loadsim
