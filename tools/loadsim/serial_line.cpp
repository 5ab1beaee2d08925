#include "tools/loadsim/serial_line.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace vamo::loadsim {

namespace {

LineError systemError(const std::string& what) {
    return LineError(what + ": " + std::strerror(errno));
}

void setNonBlocking(int fd, const std::string& name) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) < 0) {
        throw systemError("cannot make " + name + " non-blocking");
    }
}

// Raw bytes both ways (no echo, no line editing, no character translation), 9600 8N1,
// modem lines ignored.
void makeRaw(int fd, const std::string& name) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) {
        throw systemError("cannot read the line settings of " + name);
    }
    ::cfmakeraw(&settings);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
#ifdef CRTSCTS
    settings.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
#endif
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    if (::cfsetispeed(&settings, B9600) != 0 || ::cfsetospeed(&settings, B9600) != 0
        || ::tcsetattr(fd, TCSANOW, &settings) != 0) {
        throw systemError("cannot set raw 9600 8N1 on " + name);
    }
}

std::string linkTarget(const std::string& path) {
    std::vector<char> buffer(4096);
    const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (length < 0) {
        return {};
    }
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

} // namespace

PseudoTerminal::PseudoTerminal() : master_(::posix_openpt(O_RDWR | O_NOCTTY)) {
    if (!master_.valid()) {
        throw systemError("cannot create a pseudo-terminal");
    }
    ::fcntl(master_.get(), F_SETFD, FD_CLOEXEC);
    if (::grantpt(master_.get()) != 0 || ::unlockpt(master_.get()) != 0) {
        throw systemError("cannot unlock the pseudo-terminal");
    }
    const char* name = ::ptsname(master_.get());
    if (name == nullptr) {
        throw systemError("cannot name the pseudo-terminal's slave end");
    }
    slaveName_ = name;
    heldSlave_.reset(::open(slaveName_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!heldSlave_.valid()) {
        throw systemError("cannot open " + slaveName_);
    }
    makeRaw(heldSlave_.get(), slaveName_);
    setNonBlocking(master_.get(), "the pseudo-terminal");
}

SymbolicLink::SymbolicLink(std::string path, std::string target)
    : path_(std::move(path)),
      target_(std::move(target)) {
    struct stat existing {};
    if (::lstat(path_.c_str(), &existing) == 0 && !S_ISLNK(existing.st_mode)) {
        throw LineError("refusing to replace " + path_ + ": it exists and is not a symbolic link");
    }
    const std::string temporary = path_ + ".loadsim-" + std::to_string(::getpid());
    if (struct stat leftover{}; ::lstat(temporary.c_str(), &leftover) == 0 && S_ISLNK(leftover.st_mode)) {
        ::unlink(temporary.c_str());
    }
    if (::symlink(target_.c_str(), temporary.c_str()) != 0) {
        throw systemError("cannot create the link " + temporary);
    }
    if (::rename(temporary.c_str(), path_.c_str()) != 0) {
        const LineError error = systemError("cannot move the link into place at " + path_);
        ::unlink(temporary.c_str());
        throw error;
    }
}

SymbolicLink::~SymbolicLink() {
    // A later run may have taken the path over; leave its link alone.
    if (linkTarget(path_) == target_) {
        ::unlink(path_.c_str());
    }
}

UniqueFd openSerialDevice(const std::string& path) {
    UniqueFd device(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!device.valid()) {
        throw systemError("cannot open serial device " + path);
    }
    if (::isatty(device.get()) == 0) {
        throw LineError("cannot use " + path + ": it is not a serial device");
    }
    makeRaw(device.get(), path);
    return device;
}

} // namespace vamo::loadsim
