#pragma once

#include "plugin/frame/method_descriptor.h"

namespace vamo::plugins {

// The test method of the plug-in pastecomp: its fields, size rule and group file layout.
const plugin::MethodDescriptor& pastecompDescriptor();

} // namespace vamo::plugins
