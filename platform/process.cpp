#include "platform/process.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vamo::platform {

namespace {

int codeForErrno(int error, const std::filesystem::path& program) {
    switch (error) {
    case ENOENT:
    case ENOTDIR: {
        std::error_code ignored;
        return std::filesystem::is_directory(program.parent_path(), ignored) ? start_result::fileNotFound
                                                                             : start_result::pathNotFound;
    }
    case EACCES:
    case EPERM:
        return start_result::accessDenied;
    case ENOEXEC:
    case EISDIR:
        return start_result::badExecutable;
    case ENOMEM:
        return start_result::outOfMemory;
    default:
        return start_result::resourcesExhausted;
    }
}

// Writes all of `size` bytes, retrying on interruption.
void writeAll(int fd, const void* data, size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return;
        }
        bytes += written;
        size -= static_cast<size_t>(written);
    }
}

} // namespace

int startDetached(const std::filesystem::path& program) {
    std::error_code ignored;
    if (!std::filesystem::exists(program, ignored)) {
        return codeForErrno(ENOENT, program);
    }
    // The grandchild reports a failed exec through this pipe; a pipe closed by a successful exec reads empty.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        return start_result::resourcesExhausted;
    }
    const std::string path = program.string();
    const std::string folder = program.parent_path().string();
    pid_t child = ::fork();
    if (child < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return codeForErrno(errno, program);
    }
    if (child == 0) {
        ::close(report[0]);
        ::setsid();
        pid_t grandchild = ::fork();
        if (grandchild != 0) {
            ::_exit(grandchild < 0 ? 1 : 0);
        }
        if (::chdir(folder.c_str()) != 0) {
            // Stay in the inherited folder; the program may not need its own.
        }
        char* const argv[] = {const_cast<char*>(path.c_str()), nullptr};
        ::execv(path.c_str(), argv);
        int error = errno;
        writeAll(report[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    do {
        got = ::read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    if (got == static_cast<ssize_t>(sizeof error)) {
        return codeForErrno(error, program);
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) != 0) {
        return start_result::resourcesExhausted;
    }
    return start_result::started;
}

} // namespace vamo::platform
