#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace vamo::platform {

// A named shared memory region, zero-filled, mapped for reading and writing. The destructor unmaps it
// and removes the name.
class SharedMemoryRegion {
public:
    static std::unique_ptr<SharedMemoryRegion> create(const std::string& name, std::size_t size);
    ~SharedMemoryRegion();
    SharedMemoryRegion(const SharedMemoryRegion&) = delete;
    SharedMemoryRegion& operator=(const SharedMemoryRegion&) = delete;

    void* data() const { return data_; }
    std::size_t size() const { return size_; }
    const std::string& name() const { return name_; }

private:
    SharedMemoryRegion(std::string name, void* data, std::size_t size)
        : name_(std::move(name)),
          data_(data),
          size_(size) {}
    std::string name_;
    void* data_;
    std::size_t size_;
};

} // namespace vamo::platform
