#pragma once

#include <filesystem>

namespace vamo::platform {

// Full path of the running executable. Throws PlatformError when it cannot be determined.
std::filesystem::path executablePath();

// The environment variable that, when set and not empty, names the program folder instead.
inline constexpr const char* programFolderVariable = "VAMODESK_PROGRAM_FOLDER";

// Folder of the running executable: where the station's files lie. Never the working directory.
std::filesystem::path programFolder();

} // namespace vamo::platform
