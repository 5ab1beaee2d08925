#pragma once

#include "tools/loadsim/specimen_model.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace vamo::loadsim {

struct FaultConfig {
    double noiseAmplitude = 0.05; // kN (and kN/s), uniform in [-a, +a] on force and speed
    double garbageProbability = 0.0; // chance of 1 to 8 random bytes before an answer
    bool split = false; // deliver each answer in pieces with short gaps
    std::uint64_t seed = 0;
};

// One write to the line, made `gapBefore` after the previous piece.
struct AnswerPiece {
    std::vector<std::uint8_t> bytes;
    std::chrono::microseconds gapBefore{0};
};

// Turns a poll into the bytes of its answer: the measurement of the asked type taken from
// the model, with the configured noise, garbage and splitting applied.
class AnswerComposer {
public:
    static constexpr int mostGarbageBytes = 8;
    static constexpr std::chrono::microseconds shortestGap{1000};
    static constexpr std::chrono::microseconds longestGap{5000};

    explicit AnswerComposer(FaultConfig config);

    // The pieces to write, in order; no value for a type the controller does not know.
    std::optional<std::vector<AnswerPiece>> answer(std::uint8_t type, const SpecimenModel& model);

    std::uint64_t garbageBytesSent() const { return garbageBytesSent_; }

private:
    double noise();
    std::vector<AnswerPiece> splitIntoPieces(std::vector<std::uint8_t> bytes);

    FaultConfig config_;
    std::mt19937_64 random_;
    std::uint64_t garbageBytesSent_ = 0;
};

} // namespace vamo::loadsim
