#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The link to the outside upload program: the flags it shares with the host in shangchuan/pz_set.ini,
// its start, and the link state label.
namespace vamo::host {

inline constexpr std::string_view linkLabelUnknown = "上传网络状态:----";

// shangchuan/pz_set.ini below the program folder.
std::filesystem::path uploadSettingsFile(const std::filesystem::path& programFolder);

// End_Flag of section SC_Flag: "1" while a host with uploading on runs, "0" once it has ended.
void writeEndFlag(const std::filesystem::path& programFolder, std::string_view value);

// Start-up with uploading on: End_Flag "1", Link_Flag "0", then start shangchuan/uplink. Returns the
// message to show when the program could not be started.
std::optional<std::string> startUploadProgram(const std::filesystem::path& programFolder);

// The message for a failed start of the upload program, by start result code; none for success and for
// codes without a message.
std::optional<std::string> uploadStartMessage(int code);

// The link label: "上传网络状态:连接" when Link_Flag (section SC_FLAG, any case) is "1", else
// "上传网络状态:断开"; "上传网络状态:----" when uploading is off.
std::string linkLabel(const std::filesystem::path& programFolder, int uploadSwitch);

} // namespace vamo::host
