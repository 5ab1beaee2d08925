#pragma once

#include "tools/loadsim/answer_composer.h"
#include "tools/loadsim/frame_codec.h"
#include "tools/loadsim/poll_log.h"
#include "tools/loadsim/specimen_model.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace vamo::loadsim {

struct SimulatorStats {
    std::uint64_t pollsReceived = 0;
    std::uint64_t answersSent = 0;
    std::uint64_t answersDiscarded = 0; // not queued because the line stopped taking bytes
    std::uint64_t bytesDropped = 0; // input bytes that did not form a poll frame
};

// The I/O loop: reads polls from the line, answers them from the model through the composer,
// writes the answers (piece by piece at their times when split) and returns when the stop
// descriptor becomes readable. Waits with poll(), so it never spins.
class Simulator {
public:
    using Clock = std::chrono::steady_clock;

    // Writes waiting for a line that takes no bytes (a host that polls but never reads);
    // answers beyond this are discarded rather than piled up.
    static constexpr std::size_t mostPendingWrites = 1024;

    struct Setup {
        int lineFd = -1; // non-blocking, borrowed
        int stopFd = -1; // readable means stop, borrowed
        std::optional<SpecimenModel::Elapsed> silenceAfter; // no answers after this
    };

    Simulator(Setup setup, SpecimenModel& model, AnswerComposer& composer, PollLog* pollLog);

    // Runs until the stop descriptor is readable; `start` is the time zero of the model.
    // Throws LineError when the line fails.
    void run(Clock::time_point start);

    SimulatorStats stats() const;

private:
    struct ScheduledWrite {
        std::vector<std::uint8_t> bytes;
        std::size_t written = 0;
        Clock::time_point due;
    };

    void readAndAnswer(Clock::time_point start);
    void schedule(std::vector<AnswerPiece> pieces, Clock::time_point now);
    void writeDue(Clock::time_point now);
    int pollTimeoutMs(Clock::time_point now) const;

    Setup setup_;
    SpecimenModel& model_;
    AnswerComposer& composer_;
    PollLog* pollLog_;
    PollReader reader_;
    std::deque<ScheduledWrite> pending_;
    bool waitingForWritable_ = false;
    bool silent_ = false;
    SimulatorStats stats_;
};

} // namespace vamo::loadsim
