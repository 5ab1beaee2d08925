#include "tools/loadsim/frame_codec.h"

#include <cmath>
#include <limits>

namespace vamo::loadsim {

namespace {

constexpr std::uint8_t headerFirst = 0xA5;
constexpr std::uint8_t headerSecond = 0x00;
constexpr std::uint8_t trailer = 0x5A;
constexpr std::uint8_t measurementMarker = 0x04;

// True when the frameSize bytes at `bytes` are framed like a frame of the line.
bool isFramed(const std::uint8_t* bytes) {
    return bytes[0] == headerFirst && bytes[1] == headerSecond && bytes[frameSize - 1] == trailer;
}

} // namespace

std::int32_t toHundredths(double value) {
    const double scaled = std::round(value * 100.0);
    if (std::isnan(scaled)) {
        return 0;
    }
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (scaled <= lowest) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (scaled >= highest) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(scaled);
}

Frame encodeMeasurement(std::uint8_t type, double value) {
    const auto bits = static_cast<std::uint32_t>(toHundredths(value));
    return Frame{headerFirst,
                 headerSecond,
                 0x00,
                 0x00,
                 type,
                 measurementMarker,
                 static_cast<std::uint8_t>(bits >> 24),
                 static_cast<std::uint8_t>(bits >> 16),
                 static_cast<std::uint8_t>(bits >> 8),
                 static_cast<std::uint8_t>(bits),
                 trailer};
}

std::vector<std::uint8_t> PollReader::feed(std::span<const std::uint8_t> bytes) {
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    std::vector<std::uint8_t> types;
    std::size_t start = 0;
    while (buffer_.size() - start >= frameSize) {
        const std::uint8_t* candidate = buffer_.data() + start;
        if (!isFramed(candidate)) {
            ++start;
            ++droppedBytes_;
            continue;
        }
        types.push_back(candidate[4]);
        ++framesRead_;
        start += frameSize;
    }
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(start));
    return types;
}

} // namespace vamo::loadsim
