#include "platform/single_instance.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/file.h>
#include <unistd.h>

namespace vamo::platform {

std::string singleInstanceMarkerPath(const std::string& name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::filesystem::path folder =
        runtime != nullptr && *runtime != '\0' && std::filesystem::is_directory(runtime)
            ? std::filesystem::path(runtime)
            : std::filesystem::temp_directory_path();
    return (folder / name).string();
}

std::unique_ptr<SingleInstanceLock> SingleInstanceLock::acquire(const std::string& name) {
    const std::string path = singleInstanceMarkerPath(name);
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        throw std::runtime_error("cannot create the single-instance marker " + path + ": "
                                 + std::strerror(errno));
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK) {
            return nullptr;
        }
        throw std::runtime_error("cannot lock the single-instance marker " + path + ": "
                                 + std::strerror(error));
    }
    // The file stays in place between runs: removing it while another start waits on the old file
    // would let two instances hold two different files.
    return std::unique_ptr<SingleInstanceLock>(new SingleInstanceLock(fd));
}

void SingleInstanceLock::release() {
    if (fd_ >= 0) {
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
        fd_ = -1;
    }
}

SingleInstanceLock::~SingleInstanceLock() {
    release();
}

} // namespace vamo::platform
