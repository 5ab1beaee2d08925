#pragma once

#include "host/controller/frame.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace vamo::controller {

// What the receive path has seen, so that a noisy line can be diagnosed.
struct ReceiveCounters {
    std::uint64_t bytesDroppedByResync = 0;
    std::uint64_t framesDecoded = 0; // frames of type 0, 1 or 2, handed to the sink
    std::uint64_t framesOfUnknownType = 0; // frames of any other type, consumed and ignored
    std::uint64_t deliveriesDroppedByGuard = 0;
};

// Collects the deliveries of the serial port, finds the frames in them and hands each measurement frame to
// the sink. Bytes that do not line up as A5 00 ... 5A are dropped one by one; fewer than 11 bytes wait for
// the next delivery. A delivery that arrives while one is being processed (the sink processing pending
// events) is dropped.
class ReceiveBuffer {
public:
    static constexpr std::size_t kCapacity = 1024;
    using FrameSink = std::function<void(const MeasurementFrame&)>;

    explicit ReceiveBuffer(FrameSink sink);

    // One delivery of received bytes. A delivery longer than the free space is taken in pieces, so every byte
    // of it is kept. An exception from the sink ends the delivery: the frames already handed on stay
    // consumed, the bytes taken into the buffer stay there, the rest of the delivery is dropped.
    void deliver(const std::uint8_t* bytes, std::size_t count);

    std::size_t byteCount() const { return end_ - begin_; }
    const ReceiveCounters& counters() const { return counters_; }

private:
    void processFrames();
    void compact();

    FrameSink sink_;
    std::array<std::uint8_t, kCapacity> buffer_{};
    std::size_t begin_ = 0; // first unprocessed byte
    std::size_t end_ = 0; // one past the last byte held
    bool processing_ = false;
    ReceiveCounters counters_;
};

} // namespace vamo::controller
