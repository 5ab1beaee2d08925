#pragma once

#include "plugin/frame/method_descriptor.h"

namespace vamo::plugins {

// The test method of the plug-in conccomp: its fields, size rule and group file layout.
const plugin::MethodDescriptor& conccompDescriptor();

} // namespace vamo::plugins
