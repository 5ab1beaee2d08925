#include "platform/file_io.h"

#include "platform/platform_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vamo::platform {
namespace {

[[noreturn]] void throwFileError(const std::string& what, const std::filesystem::path& path, int error) {
    throw FileError(what + " " + path.string() + ": " + std::strerror(error));
}

// Owns a file descriptor.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

    // Closes now and reports the result: a failing close can mean lost data.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

// Removes the temporary file unless the rename has taken it over.
class TemporaryFile {
public:
    explicit TemporaryFile(std::filesystem::path path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void release() { path_.clear(); }

private:
    std::filesystem::path path_;
};

void writeAll(int fd, std::string_view bytes, const std::filesystem::path& path) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throwFileError("cannot write", path, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

std::filesystem::path replacedFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        const auto target = std::filesystem::weakly_canonical(path, error);
        if (!error) {
            return target;
        }
    }
    return path;
}

void syncFolder(const std::filesystem::path& folder) {
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directory.valid()) {
        throwFileError("cannot open folder", folder, errno);
    }
    if (::fsync(directory.get()) != 0 && errno != EINVAL) {
        throwFileError("cannot sync folder", folder, errno);
    }
}

} // namespace

std::optional<std::string> readFileIfExists(const std::filesystem::path& path) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.valid()) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        throwFileError("cannot open", path, errno);
    }
    std::string content;
    char buffer[8192];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            throwFileError("cannot read", path, errno);
        }
        if (count == 0) {
            return content;
        }
        content.append(buffer, static_cast<std::size_t>(count));
    }
}

void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path target = replacedFile(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }

    mode_t mode = 0644;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    }

    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    FileDescriptor file(::mkostemp(pattern.data(), O_CLOEXEC));
    if (!file.valid()) {
        throwFileError("cannot create a temporary file for", target, errno);
    }
    TemporaryFile temporary(pattern);

    writeAll(file.get(), bytes, temporary.path());
    if (::fchmod(file.get(), mode) != 0) {
        throwFileError("cannot set the permissions of", temporary.path(), errno);
    }
    if (::fsync(file.get()) != 0) {
        throwFileError("cannot sync", temporary.path(), errno);
    }
    if (file.close() != 0) {
        throwFileError("cannot close", temporary.path(), errno);
    }
    if (::rename(temporary.path().c_str(), target.c_str()) != 0) {
        throwFileError("cannot replace", target, errno);
    }
    temporary.release();
    syncFolder(folder);
}

} // namespace vamo::platform
