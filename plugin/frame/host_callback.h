#pragma once

#include "plugin/frame/panel_model.h"

namespace vamo::plugin {

// The host program's export through which a plug-in hands over the strength divisor.
using HostDivisorExport = const char16_t*(const float* divisor);
inline constexpr const char* kHostDivisorExportName = "fget_s";

// Hands the divisor to fget_s of the running program, looked up at every call; nothing happens when
// the program has no such export.
DivisorSink hostDivisorSink();

} // namespace vamo::plugin
