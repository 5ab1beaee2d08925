#include "platform/shared_memory.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/mman.h>
#include <unistd.h>

namespace vamo::platform {

namespace {
std::string objectName(const std::string& name) {
    return "/" + name;
}
} // namespace

std::unique_ptr<SharedMemoryRegion> SharedMemoryRegion::create(const std::string& name, std::size_t size) {
    const std::string object = objectName(name);
    int fd = ::shm_open(object.c_str(), O_RDWR | O_CREAT, 0600);
    if (fd < 0) {
        throw std::runtime_error("cannot create shared memory " + name + ": " + std::strerror(errno));
    }
    if (::ftruncate(fd, static_cast<off_t>(size)) != 0) {
        const int error = errno;
        ::close(fd);
        throw std::runtime_error("cannot size shared memory " + name + ": " + std::strerror(error));
    }
    void* data = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    const int error = errno;
    ::close(fd);
    if (data == MAP_FAILED) {
        throw std::runtime_error("cannot map shared memory " + name + ": " + std::strerror(error));
    }
    std::memset(data, 0, size);
    return std::unique_ptr<SharedMemoryRegion>(new SharedMemoryRegion(name, data, size));
}

SharedMemoryRegion::~SharedMemoryRegion() {
    ::munmap(data_, size_);
    ::shm_unlink(objectName(name_).c_str());
}

} // namespace vamo::platform
