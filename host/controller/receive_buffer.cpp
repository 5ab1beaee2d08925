#include "host/controller/receive_buffer.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace vamo::controller {

namespace {

// Holds the receive guard for one delivery and releases it on every way out, errors included.
class ReceiveGuard {
public:
    explicit ReceiveGuard(bool& processing) : processing_(processing) { processing_ = true; }
    ~ReceiveGuard() { processing_ = false; }
    ReceiveGuard(const ReceiveGuard&) = delete;
    ReceiveGuard& operator=(const ReceiveGuard&) = delete;

private:
    bool& processing_;
};

bool isKnownType(std::uint8_t type) {
    return type == static_cast<std::uint8_t>(FrameType::Force)
           || type == static_cast<std::uint8_t>(FrameType::PeakForce)
           || type == static_cast<std::uint8_t>(FrameType::LoadingSpeed);
}

} // namespace

ReceiveBuffer::ReceiveBuffer(FrameSink sink) : sink_(std::move(sink)) {
}

void ReceiveBuffer::deliver(const std::uint8_t* bytes, std::size_t count) {
    if (processing_) {
        ++counters_.deliveriesDroppedByGuard;
        return;
    }
    const ReceiveGuard guard(processing_);
    while (count > 0) {
        compact();
        const std::size_t taken = std::min(count, kCapacity - end_);
        std::memcpy(buffer_.data() + end_, bytes, taken);
        end_ += taken;
        bytes += taken;
        count -= taken;
        processFrames();
    }
}

void ReceiveBuffer::processFrames() {
    while (byteCount() >= kFrameSize) {
        if (!isFrameAt(buffer_.data() + begin_)) {
            ++begin_;
            ++counters_.bytesDroppedByResync;
            continue;
        }
        const std::uint8_t* frame = buffer_.data() + begin_;
        const std::uint8_t type = frame[kTypeOffset];
        const std::int32_t value = frameValue(frame);
        // The frame is consumed before it is handed on, so a sink that throws never sees it twice.
        begin_ += kFrameSize;
        if (!isKnownType(type)) {
            ++counters_.framesOfUnknownType;
            continue;
        }
        ++counters_.framesDecoded;
        sink_(MeasurementFrame{static_cast<FrameType>(type), value});
    }
}

void ReceiveBuffer::compact() {
    if (begin_ == 0) {
        return;
    }
    std::memmove(buffer_.data(), buffer_.data() + begin_, byteCount());
    end_ -= begin_;
    begin_ = 0;
}

} // namespace vamo::controller
