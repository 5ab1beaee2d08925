#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vamo::platform {

// The whole content of a file; nullopt when the file does not exist. Throws FileError when it exists
// but cannot be read.
std::optional<std::string> readFileIfExists(const std::filesystem::path& path);

// Replaces the file's content so that a crash leaves either the old or the new content, never a mix:
// the bytes go to a temporary file in the same folder, are synced to disk, and the temporary file is
// renamed over the original. The original's permissions are kept; a symbolic link is followed, so the
// file it points to is replaced and the link stays. Throws FileError on any failure, leaving the
// original untouched.
void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace vamo::platform
