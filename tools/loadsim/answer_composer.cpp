#include "tools/loadsim/answer_composer.h"

#include "tools/loadsim/frame_codec.h"

#include <algorithm>
#include <utility>

namespace vamo::loadsim {

AnswerComposer::AnswerComposer(FaultConfig config) : config_(config) {
    std::seed_seq seeds{static_cast<std::uint32_t>(config_.seed),
                        static_cast<std::uint32_t>(config_.seed >> 32), 0x616e73u};
    random_.seed(seeds);
}

std::optional<std::vector<AnswerPiece>> AnswerComposer::answer(std::uint8_t type,
                                                               const SpecimenModel& model) {
    double value = 0.0;
    switch (type) {
    case static_cast<std::uint8_t>(MeasurementType::Force):
        value = model.force() + noise();
        break;
    case static_cast<std::uint8_t>(MeasurementType::PeakForce):
        value = model.peakForce();
        break;
    case static_cast<std::uint8_t>(MeasurementType::LoadingSpeed):
        value = model.loadingSpeed() + noise();
        break;
    default:
        return std::nullopt;
    }

    std::vector<std::uint8_t> bytes;
    if (config_.garbageProbability > 0.0
        && std::bernoulli_distribution(config_.garbageProbability)(random_)) {
        const int count = std::uniform_int_distribution<int>(1, mostGarbageBytes)(random_);
        std::uniform_int_distribution<int> anyByte(0, 255);
        for (int i = 0; i < count; ++i) {
            bytes.push_back(static_cast<std::uint8_t>(anyByte(random_)));
        }
        garbageBytesSent_ += static_cast<std::uint64_t>(count);
    }
    const Frame frame = encodeMeasurement(type, value);
    bytes.insert(bytes.end(), frame.begin(), frame.end());

    if (!config_.split) {
        std::vector<AnswerPiece> whole;
        whole.push_back(AnswerPiece{std::move(bytes), std::chrono::microseconds{0}});
        return whole;
    }
    return splitIntoPieces(std::move(bytes));
}

double AnswerComposer::noise() {
    if (config_.noiseAmplitude <= 0.0) {
        return 0.0;
    }
    return std::uniform_real_distribution<double>(-config_.noiseAmplitude, config_.noiseAmplitude)(random_);
}

// Two to four pieces cut at random places; the first goes out at once, each further one after
// a gap of a few milliseconds.
std::vector<AnswerPiece> AnswerComposer::splitIntoPieces(std::vector<std::uint8_t> bytes) {
    const int mostPieces = std::min<int>(4, static_cast<int>(bytes.size()));
    const int pieceCount = std::uniform_int_distribution<int>(2, mostPieces)(random_);

    std::vector<std::size_t> cuts;
    for (std::size_t position = 1; position < bytes.size(); ++position) {
        cuts.push_back(position);
    }
    std::shuffle(cuts.begin(), cuts.end(), random_);
    cuts.resize(static_cast<std::size_t>(pieceCount - 1));
    std::sort(cuts.begin(), cuts.end());
    cuts.push_back(bytes.size());

    std::uniform_int_distribution<std::chrono::microseconds::rep> gapLength(shortestGap.count(),
                                                                            longestGap.count());
    std::vector<AnswerPiece> pieces;
    std::size_t begin = 0;
    for (std::size_t end : cuts) {
        AnswerPiece piece;
        piece.bytes.assign(bytes.begin() + static_cast<std::ptrdiff_t>(begin),
                           bytes.begin() + static_cast<std::ptrdiff_t>(end));
        piece.gapBefore =
            pieces.empty() ? std::chrono::microseconds{0} : std::chrono::microseconds{gapLength(random_)};
        pieces.push_back(std::move(piece));
        begin = end;
    }
    return pieces;
}

} // namespace vamo::loadsim
