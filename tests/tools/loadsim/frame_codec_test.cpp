#include "tools/loadsim/frame_codec.h"

#include <gtest/gtest.h>

#include <vector>

namespace vamo::loadsim {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(MeasurementFrame, CarriesTheValueInHundredthsMostSignificantByteFirst) {
    struct Case {
        std::uint8_t type;
        double value;
        Bytes expected;
    };
    const std::vector<Case> cases{
        {0, 20.0, {0xA5, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x07, 0xD0, 0x5A}},
        {0, 5.0, {0xA5, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x01, 0xF4, 0x5A}},
        {0, -1.0, {0xA5, 0x00, 0x00, 0x00, 0x00, 0x04, 0xFF, 0xFF, 0xFF, 0x9C, 0x5A}},
        {0, -0.40, {0xA5, 0x00, 0x00, 0x00, 0x00, 0x04, 0xFF, 0xFF, 0xFF, 0xD8, 0x5A}},
        {1, 987.65, {0xA5, 0x00, 0x00, 0x00, 0x01, 0x04, 0x00, 0x01, 0x81, 0xCD, 0x5A}},
        {2, 10.0, {0xA5, 0x00, 0x00, 0x00, 0x02, 0x04, 0x00, 0x00, 0x03, 0xE8, 0x5A}},
        {2, 0.0, {0xA5, 0x00, 0x00, 0x00, 0x02, 0x04, 0x00, 0x00, 0x00, 0x00, 0x5A}},
        // rounded to the nearest hundredth, half away from zero
        {0, 0.005, {0xA5, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x01, 0x5A}},
        {0, 12.344, {0xA5, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x04, 0xD2, 0x5A}},
        // beyond 32 bits: clamped, not wrapped into a value of the other sign
        {0, 3.0e7, {0xA5, 0x00, 0x00, 0x00, 0x00, 0x04, 0x7F, 0xFF, 0xFF, 0xFF, 0x5A}},
        {0, -3.0e7, {0xA5, 0x00, 0x00, 0x00, 0x00, 0x04, 0x80, 0x00, 0x00, 0x00, 0x5A}},
    };
    for (const Case& c : cases) {
        const Frame frame = encodeMeasurement(c.type, c.value);
        EXPECT_EQ(Bytes(frame.begin(), frame.end()), c.expected)
            << "type " << int{c.type} << " value " << c.value;
    }
}

TEST(PollReader, CutsPollFramesOutOfTheByteStream) {
    struct Case {
        const char* what;
        std::vector<Bytes> deliveries;
        std::vector<std::uint8_t> expectedTypes;
        std::uint64_t expectedDropped;
    };
    const Bytes force{0xA5, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x5A};
    const Bytes peak{0xA5, 0x00, 0x00, 0x00, 0x01, 0x04, 0x00, 0x00, 0x00, 0x00, 0x5A};
    const Bytes speed{0xA5, 0x00, 0x00, 0x00, 0x02, 0x04, 0x00, 0x00, 0x00, 0x00, 0x5A};
    auto joined = [](std::initializer_list<Bytes> parts) {
        Bytes all;
        for (const Bytes& part : parts) {
            all.insert(all.end(), part.begin(), part.end());
        }
        return all;
    };
    const std::vector<Case> cases{
        {"one poll", {force}, {0}, 0},
        {"garbage in front", {joined({{0x01, 0x02, 0x03}, peak})}, {1}, 3},
        {"two polls in one delivery", {joined({force, speed})}, {0, 2}, 0},
        {"a poll over three deliveries",
         {Bytes(speed.begin(), speed.begin() + 4), Bytes(speed.begin() + 4, speed.begin() + 10),
          Bytes(speed.begin() + 10, speed.end())},
         {2},
         0},
        {"ten bytes wait for the eleventh", {Bytes(peak.begin(), peak.end() - 1)}, {}, 0},
        {"a frame cut by a lost byte is dropped",
         {joined({Bytes{0xA5, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x5A}, peak})},
         {1},
         10},
        {"A5 00 that does not end in 5A is not a frame", {joined({Bytes{0xA5, 0x00, 0x00}, force})}, {0}, 3},
        {"any type byte is passed on",
         {{0xA5, 0x00, 0x00, 0x00, 0x07, 0x04, 0x00, 0x00, 0x00, 0x00, 0x5A}},
         {7},
         0},
    };
    for (const Case& c : cases) {
        PollReader reader;
        std::vector<std::uint8_t> types;
        for (const Bytes& delivery : c.deliveries) {
            const auto found = reader.feed(delivery);
            types.insert(types.end(), found.begin(), found.end());
        }
        EXPECT_EQ(types, c.expectedTypes) << c.what;
        EXPECT_EQ(reader.droppedBytes(), c.expectedDropped) << c.what;
    }
}

TEST(PollReader, KeepsAPartialFrameAfterGarbageForTheNextDelivery) {
    PollReader reader;
    const Bytes first{0xEE, 0xEE, 0xA5, 0x00, 0x00, 0x00, 0x01, 0x04};
    const Bytes second{0x00, 0x00, 0x00, 0x00, 0x5A, 0xA5, 0x00};
    EXPECT_TRUE(reader.feed(first).empty());
    EXPECT_EQ(reader.feed(second), (std::vector<std::uint8_t>{1}));
    EXPECT_EQ(reader.droppedBytes(), 2u);
    EXPECT_EQ(reader.feed(Bytes{0x00, 0x00, 0x02, 0x04, 0x00, 0x00, 0x00, 0x00, 0x5A}),
              (std::vector<std::uint8_t>{2}));
}

} // namespace
} // namespace vamo::loadsim
