// loadsim: plays the load controller of the testing machine on a pseudo-terminal or a serial
// device, for demonstrations and tests of the host. See `loadsim --help`.

#include "tools/loadsim/answer_composer.h"
#include "tools/loadsim/options.h"
#include "tools/loadsim/poll_log.h"
#include "tools/loadsim/serial_line.h"
#include "tools/loadsim/simulator.h"
#include "tools/loadsim/specimen_model.h"
#include "tools/loadsim/stop_signal.h"

#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace vamo::loadsim;

constexpr int exitFailure = 1;
constexpr int exitUsage = 2;

std::uint64_t chooseSeed(const Options& options) {
    if (options.seed) {
        return *options.seed;
    }
    std::random_device entropy;
    return (static_cast<std::uint64_t>(entropy()) << 32) | entropy();
}

std::optional<SpecimenModel::Elapsed> silenceAfter(const Options& options) {
    if (!options.silenceAfterSeconds) {
        return std::nullopt;
    }
    return std::chrono::round<SpecimenModel::Elapsed>(
        std::chrono::duration<double>(*options.silenceAfterSeconds));
}

int play(const Options& options) {
    // First, so that a stop signal from now on ends the run cleanly.
    const StopSignal stopSignal;

    const std::uint64_t seed = chooseSeed(options);
    std::cerr << "loadsim: seed " << seed << "\n";

    SpecimenModel model(ModelConfig{options.breakForces, options.loadingRate, options.pauseSeconds,
                                    options.effectiveStartDelay(), options.repeat, seed,
                                    options.holdSeconds});
    AnswerComposer composer(
        FaultConfig{options.noiseAmplitude, options.garbageProbability, options.split, seed});
    std::optional<PollLog> pollLog;
    if (!options.pollLogPath.empty()) {
        pollLog.emplace(options.pollLogPath);
    }

    std::optional<PseudoTerminal> pseudoTerminal;
    UniqueFd device;
    int lineFd = -1;
    if (options.lineKind == LineKind::PseudoTerminal) {
        pseudoTerminal.emplace();
        lineFd = pseudoTerminal->masterFd();
    } else {
        device = openSerialDevice(options.linePath);
        lineFd = device.get();
    }

    Simulator simulator(Simulator::Setup{lineFd, stopSignal.fd(), silenceAfter(options)}, model, composer,
                        pollLog ? &*pollLog : nullptr);

    // The link appears only now that everything is ready to answer: bytes a host writes
    // before the master end exists would be lost.
    std::unique_ptr<SymbolicLink> link;
    std::string readyLine = "loadsim: ready on " + options.linePath;
    if (pseudoTerminal) {
        link = std::make_unique<SymbolicLink>(options.linePath, pseudoTerminal->slaveName());
        readyLine += " (" + pseudoTerminal->slaveName() + ")";
    }
    const auto start = Simulator::Clock::now();
    std::cout << readyLine << std::endl;

    simulator.run(start);

    const SimulatorStats stats = simulator.stats();
    std::cerr << "loadsim: stopped after " << stats.pollsReceived << " polls, " << stats.answersSent
              << " answers sent, " << stats.answersDiscarded << " answers discarded, " << stats.bytesDropped
              << " input bytes dropped, " << composer.garbageBytesSent() << " garbage bytes sent, "
              << model.brokenSpecimens() << " specimens broken\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    try {
        const std::vector<std::string_view> arguments(argv + 1, argv + argc);
        options = parseOptions(arguments);
    } catch (const UsageError& error) {
        std::cerr << "loadsim: " << error.what() << "\nTry 'loadsim --help' for the options.\n";
        return exitUsage;
    }
    if (options.help) {
        std::cout << usageText() << std::flush;
        return 0;
    }
    try {
        return play(options);
    } catch (const std::exception& error) {
        std::cerr << "loadsim: " << error.what() << "\n";
        return exitFailure;
    }
}
