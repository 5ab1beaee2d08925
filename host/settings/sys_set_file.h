#pragma once

#include "host/settings/sys_settings.h"

#include <filesystem>

namespace vamo::settings {

// Reads every key of the settings record. A missing file, section or key, or a text that is no number
// of the key's type (or does not fit a single float), gives the key's default. 控制量修正2 is always 1.
// Throws vamo::platform::FileError when the file exists but cannot be read.
SysSettings load_sys_set(const std::filesystem::path& path);

// Writes every controller parameter, threshold and basic integer of `settings` (not 系统参数1, not
// 串口设置, not the plug-in sections: those stay as they are) and puts the file safely on disk.
// Throws vamo::platform::FileError when the file cannot be written.
void save_sys_set(const std::filesystem::path& path, const SysSettings& settings);

} // namespace vamo::settings
