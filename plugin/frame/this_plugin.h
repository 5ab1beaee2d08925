#pragma once

#include "plugin/frame/method_descriptor.h"

namespace vamo::plugin {

// The test method of the plug-in library being built; defined once per library by its generated entry
// file (plugins/plugin_entry.cpp.in).
const MethodDescriptor& thisPluginDescriptor();

} // namespace vamo::plugin
