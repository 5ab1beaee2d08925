#pragma once

#include "tools/loadsim/unique_fd.h"

#include <stdexcept>
#include <string>

namespace vamo::loadsim {

// The serial line could not be set up or failed; the message names the path and the cause.
class LineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A pseudo-terminal in raw mode. The simulator talks on the master end; the host opens the
// slave end. One slave descriptor stays open here for the whole life of the object, so the
// master never sees a hang-up when the host closes and reopens the line.
class PseudoTerminal {
public:
    PseudoTerminal();

    int masterFd() const { return master_.get(); }
    const std::string& slaveName() const { return slaveName_; }

private:
    UniqueFd master_;
    UniqueFd heldSlave_;
    std::string slaveName_;
};

// A symbolic link at `path` to `target`, removed again on destruction if it still points
// at `target`. A symbolic link already at `path` (left by a killed run) is replaced in one
// step; anything else there is refused.
class SymbolicLink {
public:
    SymbolicLink(std::string path, std::string target);
    SymbolicLink(const SymbolicLink&) = delete;
    SymbolicLink& operator=(const SymbolicLink&) = delete;
    ~SymbolicLink();

    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::string target_;
};

// Opens an existing serial device in raw mode, 9600 baud, 8 data bits, no parity, 1 stop bit,
// non-blocking.
UniqueFd openSerialDevice(const std::string& path);

} // namespace vamo::loadsim
