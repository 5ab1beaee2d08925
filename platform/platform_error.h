#pragma once

#include <stdexcept>
#include <string>

namespace vamo::platform {

// Base of every error raised by the platform layer.
class PlatformError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file could not be read, written or replaced.
class FileError : public PlatformError {
public:
    using PlatformError::PlatformError;
};

// A text could not be converted between encodings.
class EncodingError : public PlatformError {
public:
    using PlatformError::PlatformError;
};

// An INI file could not be parsed or a section, key or value cannot be written.
class IniError : public PlatformError {
public:
    using PlatformError::PlatformError;
};

} // namespace vamo::platform
