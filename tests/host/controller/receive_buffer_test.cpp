#include "host/controller/receive_buffer.h"
#include "measurement_bytes.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace vamo::controller {
namespace {

using test::Bytes;
using test::concat;
using test::measurementBytes;

struct Decoded {
    FrameType type;
    std::int32_t value;
    bool operator==(const Decoded&) const = default;
};

// A receive buffer that records every frame it hands on.
class RecordingReceiver {
public:
    RecordingReceiver()
        : buffer([this](const MeasurementFrame& frame) {
              frames.push_back({frame.type, frame.value});
          }) {}

    void deliver(const Bytes& bytes) { buffer.deliver(bytes.data(), bytes.size()); }

    std::vector<Decoded> frames;
    ReceiveBuffer buffer;
};

TEST(ReceiveBuffer, DecodesTheSignedBigEndianValueOfEachType) {
    struct Case {
        Bytes bytes;
        Decoded expected;
    };
    const std::vector<Case> cases{
        {measurementBytes(0, 0xFF, 0xFF, 0xFF, 0x9C), {FrameType::Force, -100}},
        {measurementBytes(2, 0xFF, 0xFF, 0xFF, 0x9C), {FrameType::LoadingSpeed, -100}},
        {measurementBytes(0, 0x00, 0x00, 0x01, 0xF4), {FrameType::Force, 500}},
        {measurementBytes(1, 0x00, 0x01, 0x81, 0xCD), {FrameType::PeakForce, 98765}},
        {measurementBytes(0, 0x7F, 0xFF, 0xFF, 0xFF), {FrameType::Force, 2147483647}},
        {measurementBytes(0, 0x80, 0x00, 0x00, 0x00), {FrameType::Force, -2147483647 - 1}},
    };
    for (const Case& c : cases) {
        RecordingReceiver receiver;
        receiver.deliver(c.bytes);
        ASSERT_EQ(receiver.frames.size(), 1u);
        EXPECT_EQ(receiver.frames[0], c.expected) << "value " << c.expected.value;
        EXPECT_EQ(receiver.buffer.byteCount(), 0u);
    }
}

TEST(ReceiveBuffer, DropsGarbageInFrontOfAFrameByteByByte) {
    RecordingReceiver receiver;
    receiver.deliver(concat({{0x01, 0x02, 0x03}, measurementBytes(0, 0x00, 0x00, 0x01, 0xF4)}));
    ASSERT_EQ(receiver.frames.size(), 1u);
    EXPECT_EQ(receiver.frames[0], (Decoded{FrameType::Force, 500}));
    EXPECT_EQ(receiver.buffer.counters().bytesDroppedByResync, 3u);
    EXPECT_EQ(receiver.buffer.counters().framesDecoded, 1u);
}

TEST(ReceiveBuffer, KeepsAnIncompleteFrameForTheNextDelivery) {
    const Bytes frame = measurementBytes(0, 0x00, 0x00, 0x01, 0xF4);
    for (std::size_t split = 1; split < frame.size(); ++split) {
        RecordingReceiver receiver;
        receiver.deliver(Bytes(frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(split)));
        EXPECT_TRUE(receiver.frames.empty()) << "split after " << split;
        EXPECT_EQ(receiver.buffer.byteCount(), split);
        receiver.deliver(Bytes(frame.begin() + static_cast<std::ptrdiff_t>(split), frame.end()));
        ASSERT_EQ(receiver.frames.size(), 1u) << "split after " << split;
        EXPECT_EQ(receiver.frames[0].value, 500);
        EXPECT_EQ(receiver.buffer.counters().bytesDroppedByResync, 0u);
    }
}

TEST(ReceiveBuffer, DecodesTwoFramesOfOneDeliveryInOrder) {
    RecordingReceiver receiver;
    receiver.deliver(
        concat({measurementBytes(0, 0x00, 0x00, 0x01, 0xF4), measurementBytes(2, 0x00, 0x00, 0x00, 0x28)}));
    EXPECT_EQ(receiver.frames,
              (std::vector<Decoded>{{FrameType::Force, 500}, {FrameType::LoadingSpeed, 40}}));
}

TEST(ReceiveBuffer, ConsumesFramesOfUnknownTypeWithoutHandingThemOn) {
    RecordingReceiver receiver;
    receiver.deliver(concat({measurementBytes(3, 0x00, 0x00, 0x00, 0x01), measurementBytes(0xFF, 0, 0, 0, 2),
                             measurementBytes(1, 0x00, 0x00, 0x00, 0x03)}));
    EXPECT_EQ(receiver.frames, (std::vector<Decoded>{{FrameType::PeakForce, 3}}));
    EXPECT_EQ(receiver.buffer.counters().framesOfUnknownType, 2u);
    EXPECT_EQ(receiver.buffer.counters().framesDecoded, 1u);
    EXPECT_EQ(receiver.buffer.counters().bytesDroppedByResync, 0u);
}

TEST(ReceiveBuffer, AcceptsAnyBytesThatLineUpAsAFrame) {
    // No checksum: header and trailer at the right places are enough, whatever lies between.
    RecordingReceiver receiver;
    receiver.deliver({0xA5, 0x00, 0xA5, 0x5A, 0x00, 0xEE, 0x00, 0x00, 0x00, 0x07, 0x5A});
    EXPECT_EQ(receiver.frames, (std::vector<Decoded>{{FrameType::Force, 7}}));
}

TEST(ReceiveBuffer, LongDeliveryLosesNoFrame) {
    // 5000 bytes in one delivery, far more than the 1024-byte buffer holds.
    Bytes delivery;
    std::vector<Decoded> expected;
    std::int32_t value = -1000;
    while (delivery.size() + 11 + 3 <= 5000) {
        const Bytes garbage{0x11, 0x5A, 0x00};
        delivery.insert(delivery.end(), garbage.begin(), garbage.end());
        const Bytes frame = measurementBytes(0, value);
        delivery.insert(delivery.end(), frame.begin(), frame.end());
        expected.push_back({FrameType::Force, value});
        value += 7;
    }
    delivery.resize(5000, 0x33);
    RecordingReceiver receiver;
    receiver.deliver(delivery);
    EXPECT_EQ(receiver.frames, expected);
    EXPECT_EQ(receiver.buffer.counters().bytesDroppedByResync + receiver.buffer.byteCount(),
              5000u - 11u * expected.size());
}

TEST(ReceiveBuffer, DropsADeliveryNestedInsideTheProcessingOfAnother) {
    const Bytes nested = measurementBytes(0, 0x00, 0x00, 0x00, 0x63);
    std::vector<std::int32_t> values;
    ReceiveBuffer* self = nullptr;
    ReceiveBuffer buffer([&](const MeasurementFrame& frame) {
        values.push_back(frame.value);
        // The window processing pending events while it refreshes: the port delivers again.
        self->deliver(nested.data(), nested.size());
    });
    self = &buffer;
    const Bytes outer = concat({measurementBytes(0, 0, 0, 0, 1), measurementBytes(0, 0, 0, 0, 2)});
    buffer.deliver(outer.data(), outer.size());

    EXPECT_EQ(values, (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(buffer.counters().deliveriesDroppedByGuard, 2u);
    EXPECT_EQ(buffer.byteCount(), 0u);
}

TEST(ReceiveBuffer, SinkErrorEndsTheDeliveryButReleasesTheGuardAndNeverRepeatsAFrame) {
    std::vector<std::int32_t> values;
    bool fail = true;
    ReceiveBuffer buffer([&](const MeasurementFrame& frame) {
        values.push_back(frame.value);
        if (fail) {
            fail = false;
            throw std::runtime_error("display refresh failed");
        }
    });
    const Bytes first = concat({measurementBytes(0, 0, 0, 0, 1), measurementBytes(0, 0, 0, 0, 2)});
    EXPECT_THROW(buffer.deliver(first.data(), first.size()), std::runtime_error);
    EXPECT_EQ(values, (std::vector<std::int32_t>{1}));

    const Bytes second = measurementBytes(0, 0, 0, 0, 3);
    buffer.deliver(second.data(), second.size());
    EXPECT_EQ(values, (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(buffer.counters().deliveriesDroppedByGuard, 0u);
}

TEST(ReceiveBuffer, EmptyDeliveryChangesNothing) {
    RecordingReceiver receiver;
    receiver.deliver({0xA5, 0x00, 0x00});
    receiver.buffer.deliver(nullptr, 0);
    EXPECT_EQ(receiver.buffer.byteCount(), 3u);
    EXPECT_TRUE(receiver.frames.empty());
}

} // namespace
} // namespace vamo::controller
