#include "tools/loadsim/simulator.h"

#include "tools/loadsim/serial_line.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace vamo::loadsim {

namespace {

LineError lineFailure(const std::string& what) {
    return LineError(what + ": " + std::strerror(errno));
}

} // namespace

Simulator::Simulator(Setup setup, SpecimenModel& model, AnswerComposer& composer, PollLog* pollLog)
    : setup_(setup),
      model_(model),
      composer_(composer),
      pollLog_(pollLog) {
}

void Simulator::run(Clock::time_point start) {
    while (true) {
        writeDue(Clock::now());

        const short lineEvents = static_cast<short>(POLLIN | (waitingForWritable_ ? POLLOUT : 0));
        std::array<pollfd, 2> watched{pollfd{setup_.lineFd, lineEvents, 0}, pollfd{setup_.stopFd, POLLIN, 0}};
        const int ready = ::poll(watched.data(), watched.size(), pollTimeoutMs(Clock::now()));
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw lineFailure("waiting for the serial line failed");
        }
        if ((watched[1].revents & POLLIN) != 0) {
            return;
        }
        const short lineResult = watched[0].revents;
        if ((lineResult & POLLOUT) != 0) {
            waitingForWritable_ = false;
        }
        if ((lineResult & POLLIN) != 0) {
            readAndAnswer(start);
        } else if ((lineResult & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            throw LineError("the serial line hung up or failed");
        }
    }
}

void Simulator::readAndAnswer(Clock::time_point start) {
    std::array<std::uint8_t, 512> bytes{};
    const ssize_t count = ::read(setup_.lineFd, bytes.data(), bytes.size());
    if (count < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
            return;
        }
        throw lineFailure("reading the serial line failed");
    }
    if (count == 0) {
        throw LineError("the serial line was closed");
    }

    const std::vector<std::uint8_t> types =
        reader_.feed(std::span(bytes.data(), static_cast<std::size_t>(count)));
    if (types.empty()) {
        return;
    }
    const Clock::time_point now = Clock::now();
    const auto elapsed = std::chrono::duration_cast<SpecimenModel::Elapsed>(now - start);
    model_.advanceTo(elapsed);
    if (!silent_ && setup_.silenceAfter && elapsed >= *setup_.silenceAfter) {
        silent_ = true;
        std::cerr << "loadsim: silent from now on, polls are no longer answered\n";
    }

    for (std::uint8_t type : types) {
        ++stats_.pollsReceived;
        if (pollLog_ != nullptr) {
            pollLog_->record(type);
        }
        if (silent_) {
            continue;
        }
        if (auto pieces = composer_.answer(type, model_)) {
            if (pending_.size() + pieces->size() > mostPendingWrites) {
                ++stats_.answersDiscarded;
                continue;
            }
            ++stats_.answersSent;
            schedule(std::move(*pieces), now);
        }
    }
}

// Pieces follow each other, and a new answer never overtakes the pieces of an earlier one.
void Simulator::schedule(std::vector<AnswerPiece> pieces, Clock::time_point now) {
    Clock::time_point due = pending_.empty() ? now : std::max(now, pending_.back().due);
    for (AnswerPiece& piece : pieces) {
        due += piece.gapBefore;
        pending_.push_back(ScheduledWrite{std::move(piece.bytes), 0, due});
    }
}

void Simulator::writeDue(Clock::time_point now) {
    while (!waitingForWritable_ && !pending_.empty() && pending_.front().due <= now) {
        ScheduledWrite& next = pending_.front();
        const ssize_t written =
            ::write(setup_.lineFd, next.bytes.data() + next.written, next.bytes.size() - next.written);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                waitingForWritable_ = true;
                return;
            }
            throw lineFailure("writing to the serial line failed");
        }
        next.written += static_cast<std::size_t>(written);
        if (next.written < next.bytes.size()) {
            waitingForWritable_ = true;
            return;
        }
        pending_.pop_front();
    }
}

int Simulator::pollTimeoutMs(Clock::time_point now) const {
    if (pending_.empty() || waitingForWritable_) {
        return -1;
    }
    const auto untilDue = pending_.front().due - now;
    if (untilDue <= Clock::duration::zero()) {
        return 0;
    }
    // Rounded up, so the loop wakes when the piece is due rather than just before it.
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(untilDue).count());
}

SimulatorStats Simulator::stats() const {
    SimulatorStats result = stats_;
    result.bytesDropped = reader_.droppedBytes();
    return result;
}

} // namespace vamo::loadsim
