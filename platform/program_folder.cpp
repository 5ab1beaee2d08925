#include "platform/program_folder.h"

#include "platform/platform_error.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace vamo::platform {

std::filesystem::path executablePath() {
    // readlink does not say whether it truncated, so grow the buffer until the link fits.
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            throw PlatformError(std::string("cannot read /proc/self/exe: ") + std::strerror(errno));
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            buffer.resize(static_cast<std::size_t>(length));
            return std::filesystem::path(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::filesystem::path programFolder() {
    // Tests and development runs that start a plug-in or the host outside its station folder name the
    // folder explicitly; a station never sets it.
    if (const char* folder = std::getenv(programFolderVariable); folder != nullptr && *folder != '\0') {
        return std::filesystem::path(folder);
    }
    return executablePath().parent_path();
}

} // namespace vamo::platform
