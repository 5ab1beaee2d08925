#pragma once

#include "plugin/frame/method_descriptor.h"

namespace vamo::plugins {

// The test method of the plug-in aerblock: its fields, size rule and group file layout.
const plugin::MethodDescriptor& aerblockDescriptor();

} // namespace vamo::plugins
