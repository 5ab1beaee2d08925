// Long random streams through the receive buffer, delivered in random pieces.

#include "host/controller/receive_buffer.h"
#include "measurement_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace vamo::controller {
namespace {

using test::Bytes;
using test::measurementBytes;

constexpr std::size_t kStreamSize = 1'200'000;
constexpr std::uint32_t kSeed = 20240611;

struct Decoded {
    std::uint8_t type;
    std::int32_t value;
    bool operator==(const Decoded&) const = default;
};

struct Stream {
    Bytes bytes;
    std::vector<Decoded> knownFrames;
    std::size_t unknownFrames = 0;
    std::size_t garbageBytes = 0;
};

std::uint8_t randomByte(std::mt19937& random) {
    return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(random));
}

// Garbage runs between frames; with `withoutHeaderByte` no garbage byte is A5, so no false frame can start
// inside the garbage and every embedded frame must come out.
Stream makeStream(std::mt19937& random, bool withoutHeaderByte) {
    Stream stream;
    std::uniform_int_distribution<int> garbageLength(0, 40);
    std::uniform_int_distribution<int> typeChoice(0, 9);
    std::uniform_int_distribution<std::int32_t> anyValue(INT32_MIN, INT32_MAX);
    while (stream.bytes.size() < kStreamSize) {
        const int length = garbageLength(random);
        for (int i = 0; i < length; ++i) {
            std::uint8_t byte = randomByte(random);
            while (withoutHeaderByte && byte == 0xA5) {
                byte = randomByte(random);
            }
            stream.bytes.push_back(byte);
        }
        stream.garbageBytes += static_cast<std::size_t>(length);

        const int choice = typeChoice(random);
        const std::uint8_t type = choice < 7 ? 0 : choice == 7 ? 1 : choice == 8 ? 2 : 0x37;
        const std::int32_t value = anyValue(random);
        Bytes frame = measurementBytes(type, value);
        frame[2] = randomByte(random); // bytes the host does not interpret
        frame[3] = randomByte(random);
        frame[5] = randomByte(random);
        stream.bytes.insert(stream.bytes.end(), frame.begin(), frame.end());
        if (type <= 2) {
            stream.knownFrames.push_back({type, value});
        } else {
            ++stream.unknownFrames;
        }
    }
    return stream;
}

// Delivers the stream in pieces of 1 to 3000 bytes, so pieces both shorter than a frame and longer than the
// buffer occur.
void deliverInRandomPieces(const Bytes& bytes, ReceiveBuffer& buffer, std::mt19937& random) {
    std::uniform_int_distribution<std::size_t> pieceLength(1, 3000);
    std::size_t offset = 0;
    while (offset < bytes.size()) {
        const std::size_t length = std::min(pieceLength(random), bytes.size() - offset);
        buffer.deliver(bytes.data() + offset, length);
        offset += length;
    }
}

TEST(ReceiveStream, EveryFrameBetweenGarbageWithoutHeaderBytesIsDecodedInOrder) {
    std::mt19937 random(kSeed);
    const Stream stream = makeStream(random, true);
    std::vector<Decoded> decoded;
    ReceiveBuffer buffer([&](const MeasurementFrame& frame) {
        decoded.push_back({static_cast<std::uint8_t>(frame.type), frame.value});
    });
    deliverInRandomPieces(stream.bytes, buffer, random);

    ASSERT_EQ(decoded.size(), stream.knownFrames.size()) << "seed " << kSeed;
    EXPECT_TRUE(decoded == stream.knownFrames) << "seed " << kSeed;
    const ReceiveCounters& counters = buffer.counters();
    EXPECT_EQ(counters.framesDecoded, stream.knownFrames.size());
    EXPECT_EQ(counters.framesOfUnknownType, stream.unknownFrames);
    // Garbage after the last frame may still wait in the buffer.
    EXPECT_EQ(counters.bytesDroppedByResync + buffer.byteCount(), stream.garbageBytes);
    EXPECT_LT(buffer.byteCount(), 11u);
}

TEST(ReceiveStream, UnrestrictedRandomBytesKeepTheCountersConsistent) {
    std::mt19937 random(kSeed + 1);
    const Stream stream = makeStream(random, false);
    std::uint64_t handedOn = 0;
    ReceiveBuffer buffer([&](const MeasurementFrame& frame) {
        ++handedOn;
        EXPECT_LE(static_cast<int>(frame.type), 2);
    });
    deliverInRandomPieces(stream.bytes, buffer, random);

    const ReceiveCounters& counters = buffer.counters();
    EXPECT_EQ(handedOn, counters.framesDecoded);
    EXPECT_EQ(counters.bytesDroppedByResync + 11 * (counters.framesDecoded + counters.framesOfUnknownType)
                  + buffer.byteCount(),
              stream.bytes.size());
    EXPECT_LT(buffer.byteCount(), 11u);
    EXPECT_EQ(counters.deliveriesDroppedByGuard, 0u);
}

} // namespace
} // namespace vamo::controller
