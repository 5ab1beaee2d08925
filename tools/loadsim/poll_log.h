#pragma once

#include "tools/loadsim/unique_fd.h"

#include <cstdint>
#include <string>

namespace vamo::loadsim {

// Appends the type of every poll received to a file, one decimal number a line. Each line is
// written with its own write() call, so a reader sees it at once.
class PollLog {
public:
    explicit PollLog(std::string path);

    void record(std::uint8_t type);

private:
    std::string path_;
    UniqueFd file_;
};

} // namespace vamo::loadsim
