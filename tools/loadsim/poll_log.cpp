#include "tools/loadsim/poll_log.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>
#include <utility>

namespace vamo::loadsim {

PollLog::PollLog(std::string path)
    : path_(std::move(path)),
      file_(::open(path_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644)) {
    if (!file_.valid()) {
        throw std::runtime_error("cannot open the poll log " + path_ + ": " + std::strerror(errno));
    }
}

void PollLog::record(std::uint8_t type) {
    const std::string line = std::to_string(type) + "\n";
    ssize_t written = 0;
    do {
        written = ::write(file_.get(), line.data(), line.size());
    } while (written < 0 && errno == EINTR);
    if (written != static_cast<ssize_t>(line.size())) {
        throw std::runtime_error("cannot write to the poll log " + path_ + ": "
                                 + (written < 0 ? std::strerror(errno) : "short write"));
    }
}

} // namespace vamo::loadsim
