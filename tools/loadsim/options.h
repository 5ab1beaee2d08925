#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vamo::loadsim {

// A command line that cannot be used; the message says which option and why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class LineKind { PseudoTerminal, Device };

struct Options {
    bool help = false;
    LineKind lineKind = LineKind::PseudoTerminal;
    std::string linePath; // --link or --device
    std::vector<double> breakForces{30.0, 32.0, 40.0};
    double loadingRate = 10.0; // kN/s
    double pauseSeconds = 3.0;
    double holdSeconds = 0.0; // the break force is held this long before the break
    std::optional<double> startDelaySeconds; // the pause when not given
    bool repeat = false;
    double noiseAmplitude = 0.05; // kN
    std::optional<std::uint64_t> seed; // a random one when not given
    double garbageProbability = 0.0;
    bool split = false;
    std::optional<double> silenceAfterSeconds;
    std::string pollLogPath; // empty: no log

    double effectiveStartDelay() const { return startDelaySeconds.value_or(pauseSeconds); }
};

// Parses the arguments after the program name. Throws UsageError.
Options parseOptions(const std::vector<std::string_view>& arguments);

// The text of --help.
std::string usageText();

} // namespace vamo::loadsim
