#pragma once

#include <string>
#include <string_view>

namespace vamo::host {

// The fixed product text at the start of status panel 4.
inline constexpr std::string_view stationLabel = "vamodesk 试验站";
// The product designation of the login dialog's "版本：" line.
inline constexpr std::string_view productDesignation = "vamodesk " VAMO_VERSION;

inline constexpr std::string_view systemStateStopped = " 系统状态：停止";
inline constexpr std::string_view systemStateLoading = " 系统状态：加载";
inline constexpr std::string_view systemStatePrinting = " 系统状态：打印";

// Main window title for the range caption 量程显示.
std::string windowTitle(std::string_view rangeCaption);
// True when the caption asks for the system's own range ("sys").
bool isSystemRange(std::string_view rangeCaption);
// Status panel 4: the station label followed by " 上传" or " 不上传".
std::string uploadStatusText(int uploadSwitch);
// Status panel 0 for a method name.
std::string methodStatusText(std::string_view methodName);

} // namespace vamo::host
