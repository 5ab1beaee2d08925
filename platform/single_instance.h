#pragma once

#include <memory>
#include <string>

namespace vamo::platform {

// The single-instance marker: an exclusive lock on a file in the user's runtime folder. The lock dies
// with its process, so a killed instance never blocks a later start.
class SingleInstanceLock {
public:
    // Takes the marker; returns null when another running process holds it.
    static std::unique_ptr<SingleInstanceLock> acquire(const std::string& name);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // Gives the marker up before the object ends (the shutdown sequence does this explicitly).
    void release();

private:
    explicit SingleInstanceLock(int fd) : fd_(fd) {}
    int fd_;
};

// Where the marker of `name` lives: $XDG_RUNTIME_DIR, else the temporary folder.
std::string singleInstanceMarkerPath(const std::string& name);

} // namespace vamo::platform
