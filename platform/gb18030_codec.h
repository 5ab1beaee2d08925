#pragma once

#include <string>
#include <string_view>

namespace vamo::platform {

// GB18030 <-> UTF-8 through the system's iconv. GB18030 contains GBK byte for byte, so GBK files
// decode without loss and their untouched characters encode back to the same bytes.

// Invalid or truncated sequences become U+FFFD, one per byte.
std::string gb18030ToUtf8(std::string_view gb18030);

// `utf8` must be valid UTF-8; throws EncodingError when a character cannot be converted.
std::string utf8ToGb18030(std::string_view utf8);

} // namespace vamo::platform
