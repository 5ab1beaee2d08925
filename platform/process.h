#pragma once

#include <filesystem>

namespace vamo::platform {

// Result codes of starting an outside program, in the numbering the station's messages use:
// above 32 is success; 2 file not found, 3 folder not found, 5 access denied, 8 out of memory,
// 11 not an executable program, 0 out of system resources.
namespace start_result {
constexpr int resourcesExhausted = 0;
constexpr int fileNotFound = 2;
constexpr int pathNotFound = 3;
constexpr int accessDenied = 5;
constexpr int outOfMemory = 8;
constexpr int badExecutable = 11;
constexpr int started = 42;
} // namespace start_result

// Starts `program` detached (its own session, not waited for), without arguments, with the program's
// folder as working folder. Returns a code of start_result.
int startDetached(const std::filesystem::path& program);

} // namespace vamo::platform
