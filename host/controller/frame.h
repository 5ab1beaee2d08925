#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vamo::controller {

// Both directions of the controller line use 11-byte frames: A5 00 at the start, 5A at the end.
inline constexpr std::size_t kFrameSize = 11;
inline constexpr std::uint8_t kFrameHeader = 0xA5;
inline constexpr std::uint8_t kFrameHeaderSecond = 0x00;
inline constexpr std::uint8_t kFrameTrailer = 0x5A;
inline constexpr std::size_t kTypeOffset = 4;
inline constexpr std::size_t kValueOffset = 6;

enum class FrameType : std::uint8_t {
    Force = 0,
    PeakForce = 1,
    LoadingSpeed = 2,
};

using FrameBytes = std::array<std::uint8_t, kFrameSize>;

// A measurement frame of a known type; the value is in hundredths of kN or kN/s.
struct MeasurementFrame {
    FrameType type;
    std::int32_t value;
};

// The poll frame asking the controller for one measurement type.
FrameBytes pollFrame(FrameType type);

// True when bytes 0, 1 and 10 of the 11 bytes at `frame` mark a frame; nothing else is checked.
bool isFrameAt(const std::uint8_t* frame);

// The signed value of bytes 6 to 9, most significant byte first.
std::int32_t frameValue(const std::uint8_t* frame);

} // namespace vamo::controller
