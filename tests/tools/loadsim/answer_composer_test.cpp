#include "tools/loadsim/answer_composer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vamo::loadsim {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

// One 20 kN specimen at 10 kN/s after 1 s; at 1.5 s it is loading at 5 kN.
SpecimenModel loadingAtFiveKn() {
    SpecimenModel model(ModelConfig{{20.0}, 10.0, 1.0, 1.0, false, 1});
    model.advanceTo(1500ms);
    return model;
}

Bytes concatenated(const std::vector<AnswerPiece>& pieces) {
    Bytes all;
    for (const AnswerPiece& piece : pieces) {
        all.insert(all.end(), piece.bytes.begin(), piece.bytes.end());
    }
    return all;
}

std::int32_t valueOf(const Bytes& frame) {
    const std::uint32_t bits = (std::uint32_t{frame[6]} << 24) | (std::uint32_t{frame[7]} << 16)
                               | (std::uint32_t{frame[8]} << 8) | std::uint32_t{frame[9]};
    return static_cast<std::int32_t>(bits);
}

TEST(AnswerComposer, AnswersEachKnownTypeWithOneExactFrameWhenNoFaultIsSet) {
    const SpecimenModel model = loadingAtFiveKn();
    AnswerComposer composer(FaultConfig{0.0, 0.0, false, 5});
    struct Case {
        std::uint8_t type;
        Bytes expected;
    };
    const std::vector<Case> cases{
        {0, {0xA5, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x01, 0xF4, 0x5A}}, // force 5.00
        {1, {0xA5, 0x00, 0x00, 0x00, 0x01, 0x04, 0x00, 0x00, 0x01, 0xF4, 0x5A}}, // peak 5.00
        {2, {0xA5, 0x00, 0x00, 0x00, 0x02, 0x04, 0x00, 0x00, 0x03, 0xE8, 0x5A}}, // speed 10.00
    };
    for (const Case& c : cases) {
        const auto pieces = composer.answer(c.type, model);
        ASSERT_TRUE(pieces) << int{c.type};
        ASSERT_EQ(pieces->size(), 1u);
        EXPECT_EQ(pieces->front().gapBefore, 0us) << "answered at once";
        EXPECT_EQ(pieces->front().bytes, c.expected) << int{c.type};
    }
    for (std::uint8_t unknown : {3, 4, 0x5A, 0xFF}) {
        EXPECT_FALSE(composer.answer(unknown, model)) << int{unknown};
    }
}

TEST(AnswerComposer, NoiseStaysWithinItsAmplitudeOnForceAndSpeedAndSparesThePeak) {
    const SpecimenModel model = loadingAtFiveKn();
    AnswerComposer composer(FaultConfig{0.05, 0.0, false, 9});
    std::vector<std::int32_t> forces;
    for (int i = 0; i < 200; ++i) {
        const std::int32_t force = valueOf(composer.answer(0, model)->front().bytes);
        const std::int32_t speed = valueOf(composer.answer(2, model)->front().bytes);
        EXPECT_GE(force, 495);
        EXPECT_LE(force, 505);
        EXPECT_GE(speed, 995);
        EXPECT_LE(speed, 1005);
        EXPECT_EQ(valueOf(composer.answer(1, model)->front().bytes), 500);
        forces.push_back(force);
    }
    const auto [lowest, highest] = std::minmax_element(forces.begin(), forces.end());
    EXPECT_LT(*lowest, 500) << "noise goes both ways";
    EXPECT_GT(*highest, 500);
}

TEST(AnswerComposer, GarbageComesBeforeAnIntactFrame) {
    const SpecimenModel model = loadingAtFiveKn();
    AnswerComposer composer(FaultConfig{0.0, 1.0, false, 13});
    const Bytes force{0xA5, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x01, 0xF4, 0x5A};
    std::size_t fewest = 99;
    std::size_t most = 0;
    std::uint64_t total = 0;
    for (int i = 0; i < 300; ++i) {
        const Bytes bytes = concatenated(*composer.answer(0, model));
        ASSERT_GE(bytes.size(), 12u);
        ASSERT_LE(bytes.size(), 19u);
        EXPECT_TRUE(std::equal(force.begin(), force.end(), bytes.end() - 11)) << "the frame is whole";
        fewest = std::min(fewest, bytes.size() - 11);
        most = std::max(most, bytes.size() - 11);
        total += bytes.size() - 11;
    }
    EXPECT_EQ(fewest, 1u);
    EXPECT_EQ(most, 8u);
    EXPECT_EQ(composer.garbageBytesSent(), total);

    AnswerComposer sometimes(FaultConfig{0.0, 0.3, false, 13});
    int withGarbage = 0;
    for (int i = 0; i < 300; ++i) {
        withGarbage += concatenated(*sometimes.answer(0, model)).size() > 11 ? 1 : 0;
    }
    EXPECT_GT(withGarbage, 40);
    EXPECT_LT(withGarbage, 140);
}

TEST(AnswerComposer, SplitDeliversTheSameBytesInPiecesWithShortGaps) {
    const SpecimenModel model = loadingAtFiveKn();
    AnswerComposer composer(FaultConfig{0.0, 0.0, true, 21});
    const Bytes speed{0xA5, 0x00, 0x00, 0x00, 0x02, 0x04, 0x00, 0x00, 0x03, 0xE8, 0x5A};
    for (int i = 0; i < 100; ++i) {
        const auto pieces = *composer.answer(2, model);
        ASSERT_GE(pieces.size(), 2u);
        ASSERT_LE(pieces.size(), 4u);
        EXPECT_EQ(concatenated(pieces), speed);
        EXPECT_EQ(pieces.front().gapBefore, 0us) << "the first piece goes out at once";
        for (std::size_t p = 0; p < pieces.size(); ++p) {
            EXPECT_FALSE(pieces[p].bytes.empty());
            if (p > 0) {
                EXPECT_GE(pieces[p].gapBefore, 1ms);
                EXPECT_LE(pieces[p].gapBefore, 5ms);
            }
        }
    }
}

TEST(AnswerComposer, TheSameSeedGivesTheSameBytes) {
    const SpecimenModel model = loadingAtFiveKn();
    AnswerComposer first(FaultConfig{0.05, 0.5, true, 77});
    AnswerComposer second(FaultConfig{0.05, 0.5, true, 77});
    for (int i = 0; i < 50; ++i) {
        const std::uint8_t type = static_cast<std::uint8_t>(i % 3);
        const auto a = *first.answer(type, model);
        const auto b = *second.answer(type, model);
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t p = 0; p < a.size(); ++p) {
            EXPECT_EQ(a[p].bytes, b[p].bytes);
            EXPECT_EQ(a[p].gapBefore, b[p].gapBefore);
        }
    }
}

} // namespace
} // namespace vamo::loadsim
