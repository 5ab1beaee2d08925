#pragma once

#include <stdexcept>

namespace vamo::plugin {

// Base of the errors the plug-in frame raises; the exports show them in the error dialog.
class PluginError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A field that must hold a number does not.
class ConversionError : public PluginError {
public:
    using PluginError::PluginError;
};

// A group record file cannot be named, created or read as the group needs.
class GroupFileError : public PluginError {
public:
    using PluginError::PluginError;
};

// An export that needs the panel was called while no panel exists.
class NoPanelError : public PluginError {
public:
    using PluginError::PluginError;
};

} // namespace vamo::plugin
