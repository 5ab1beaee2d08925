#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vamo::loadsim {

inline constexpr std::size_t frameSize = 11;
using Frame = std::array<std::uint8_t, frameSize>;

// Measurement types the controller answers.
enum class MeasurementType : std::uint8_t { Force = 0, PeakForce = 1, LoadingSpeed = 2 };

// Value in hundredths, rounded half away from zero and clamped to the signed 32-bit range.
std::int32_t toHundredths(double value);

// A5 00 00 00 T 04 v3 v2 v1 v0 5A with v = value in hundredths, most significant byte first.
Frame encodeMeasurement(std::uint8_t type, double value);

// Collects bytes from the line and cuts poll frames out of them. A frame is recognised by
// A5 00 at its start and 5A at its end; bytes that do not line up are dropped one by one.
class PollReader {
public:
    // Appends the bytes and returns the type byte of every complete frame, in order.
    std::vector<std::uint8_t> feed(std::span<const std::uint8_t> bytes);

    std::uint64_t droppedBytes() const { return droppedBytes_; }
    std::uint64_t framesRead() const { return framesRead_; }

private:
    std::vector<std::uint8_t> buffer_;
    std::uint64_t droppedBytes_ = 0;
    std::uint64_t framesRead_ = 0;
};

} // namespace vamo::loadsim
