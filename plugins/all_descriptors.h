#pragma once

#include "plugin/frame/method_descriptor.h"

#include <span>
#include <string_view>

namespace vamo::plugins {

// The thirteen test methods, in the order of the plug-in table.
std::span<const plugin::MethodDescriptor* const> allDescriptors();

// The descriptor of the plug-in named `name`; std::out_of_range for an unknown name.
const plugin::MethodDescriptor& descriptorNamed(std::string_view name);

} // namespace vamo::plugins
