#include "host/controller/frame.h"

namespace vamo::controller {

FrameBytes pollFrame(FrameType type) {
    FrameBytes bytes{};
    bytes[0] = kFrameHeader;
    bytes[1] = kFrameHeaderSecond;
    bytes[kTypeOffset] = static_cast<std::uint8_t>(type);
    bytes[5] = 0x04;
    bytes[kFrameSize - 1] = kFrameTrailer;
    return bytes;
}

bool isFrameAt(const std::uint8_t* frame) {
    return frame[0] == kFrameHeader && frame[1] == kFrameHeaderSecond
           && frame[kFrameSize - 1] == kFrameTrailer;
}

std::int32_t frameValue(const std::uint8_t* frame) {
    // Assemble unsigned first: shifting into the sign bit of a signed value is not portable before C++20,
    // and the conversion back to int32 is two's complement by definition since C++20.
    const std::uint32_t raw =
        (std::uint32_t{frame[kValueOffset]} << 24) | (std::uint32_t{frame[kValueOffset + 1]} << 16)
        | (std::uint32_t{frame[kValueOffset + 2]} << 8) | std::uint32_t{frame[kValueOffset + 3]};
    return static_cast<std::int32_t>(raw);
}

} // namespace vamo::controller
