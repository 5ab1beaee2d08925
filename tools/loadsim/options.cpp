#include "tools/loadsim/options.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <map>

namespace vamo::loadsim {

namespace {

// Forces, rates and times above this are typing errors; it also keeps values in hundredths
// within 32 bits and times in nanoseconds within 64 bits.
constexpr double largestValue = 1.0e6;

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

UsageError badValue(std::string_view option, std::string_view text, std::string_view expected) {
    return UsageError("bad value for " + std::string(option) + ": " + quoted(text) + " ("
                      + std::string(expected) + " expected)");
}

std::optional<double> toNumber(std::string_view text) {
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

double positiveNumber(std::string_view option, std::string_view text) {
    const auto value = toNumber(text);
    if (!value || !(*value > 0.0) || *value > largestValue) {
        throw badValue(option, text, "a number above 0 and at most 1000000");
    }
    return *value;
}

double nonNegativeNumber(std::string_view option, std::string_view text) {
    const auto value = toNumber(text);
    if (!value || !(*value >= 0.0) || *value > largestValue) {
        throw badValue(option, text, "a number from 0 to 1000000");
    }
    return *value;
}

double probability(std::string_view option, std::string_view text) {
    const auto value = toNumber(text);
    if (!value || !(*value >= 0.0) || *value > 1.0) {
        throw badValue(option, text, "a probability from 0 to 1");
    }
    return *value;
}

std::uint64_t unsignedInteger(std::string_view option, std::string_view text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) {
        throw badValue(option, text, "a whole number from 0 to 18446744073709551615");
    }
    return value;
}

std::vector<double> forceList(std::string_view option, std::string_view text) {
    std::vector<double> forces;
    std::size_t begin = 0;
    while (true) {
        const std::size_t comma = text.find(',', begin);
        const std::string_view item =
            text.substr(begin, comma == std::string_view::npos ? comma : comma - begin);
        const auto value = toNumber(item);
        if (!value || !(*value > 0.0) || *value > largestValue) {
            throw badValue(option, text, "break forces above 0 kN separated by commas");
        }
        forces.push_back(*value);
        if (comma == std::string_view::npos) {
            return forces;
        }
        begin = comma + 1;
    }
}

std::string path(std::string_view option, std::string_view text) {
    if (text.empty()) {
        throw badValue(option, text, "a path");
    }
    return std::string(text);
}

using ValueSetter = std::function<void(Options&, std::string_view option, std::string_view value)>;
using FlagSetter = std::function<void(Options&)>;

const std::map<std::string_view, ValueSetter>& valueOptions() {
    static const std::map<std::string_view, ValueSetter> setters{
        {"--link",
         [](Options& o, auto name, auto text) {
             o.lineKind = LineKind::PseudoTerminal;
             o.linePath = path(name, text);
         }},
        {"--device",
         [](Options& o, auto name, auto text) {
             o.lineKind = LineKind::Device;
             o.linePath = path(name, text);
         }},
        {"--breaks", [](Options& o, auto name, auto text) { o.breakForces = forceList(name, text); }},
        {"--rate", [](Options& o, auto name, auto text) { o.loadingRate = positiveNumber(name, text); }},
        {"--pause", [](Options& o, auto name, auto text) { o.pauseSeconds = nonNegativeNumber(name, text); }},
        {"--hold", [](Options& o, auto name, auto text) { o.holdSeconds = nonNegativeNumber(name, text); }},
        {"--start-delay",
         [](Options& o, auto name, auto text) { o.startDelaySeconds = nonNegativeNumber(name, text); }},
        {"--noise",
         [](Options& o, auto name, auto text) { o.noiseAmplitude = nonNegativeNumber(name, text); }},
        {"--seed", [](Options& o, auto name, auto text) { o.seed = unsignedInteger(name, text); }},
        {"--garbage",
         [](Options& o, auto name, auto text) { o.garbageProbability = probability(name, text); }},
        {"--silence-after",
         [](Options& o, auto name, auto text) { o.silenceAfterSeconds = nonNegativeNumber(name, text); }},
        {"--log-polls", [](Options& o, auto name, auto text) { o.pollLogPath = path(name, text); }},
    };
    return setters;
}

const std::map<std::string_view, FlagSetter>& flagOptions() {
    static const std::map<std::string_view, FlagSetter> setters{
        {"--help", [](Options& o) { o.help = true; }},
        {"-h", [](Options& o) { o.help = true; }},
        {"--repeat", [](Options& o) { o.repeat = true; }},
        {"--split", [](Options& o) { o.split = true; }},
    };
    return setters;
}

} // namespace

Options parseOptions(const std::vector<std::string_view>& arguments) {
    Options options;
    int lineOptions = 0;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view name = arguments[i];
        std::optional<std::string_view> inlineValue;
        if (const std::size_t equals = name.find('=');
            name.starts_with("--") && equals != std::string_view::npos) {
            inlineValue = name.substr(equals + 1);
            name = name.substr(0, equals);
        }

        if (const auto flag = flagOptions().find(name); flag != flagOptions().end()) {
            if (inlineValue) {
                throw UsageError("option " + std::string(name) + " takes no value");
            }
            flag->second(options);
            continue;
        }
        const auto setter = valueOptions().find(name);
        if (setter == valueOptions().end()) {
            throw UsageError(name.starts_with("-") ? "unknown option " + quoted(name)
                                                   : "unexpected argument " + quoted(name));
        }
        std::string_view value;
        if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            throw UsageError("option " + std::string(name) + " needs a value");
        }
        setter->second(options, name, value);
        if (name == "--link" || name == "--device") {
            ++lineOptions;
        }
    }

    if (options.help) {
        return options;
    }
    if (lineOptions == 0) {
        throw UsageError("give the line to play on: --link PATH or --device PATH");
    }
    if (lineOptions > 1) {
        throw UsageError("give exactly one of --link PATH and --device PATH");
    }
    return options;
}

std::string usageText() {
    return R"(Usage: loadsim (--link PATH | --device PATH) [options]

Plays the load controller of the testing machine on a serial line. Every poll frame
A5 00 00 00 T 04 00 00 00 00 5A is answered at once with the measurement frame
A5 00 00 00 T 04 v3 v2 v1 v0 5A (v: signed 32-bit value in hundredths, most significant
byte first): T 0 force in kN, 1 the controller's peak force of the current specimen in kN,
2 loading speed in kN/s. Polls of other types get no answer.

It plays specimens in real time: idle near 0 kN, loading at the rate up to the break force,
the break (the force falls to 0 within half a second to a second), the pause, the next one.

Line (exactly one):
  --link PATH           create a pseudo-terminal and link its slave end at PATH (a symbolic
                        link, made once the simulator answers; a stale link is replaced,
                        anything else at PATH is refused); the link is removed at the end
  --device PATH         use an existing serial device instead (raw, 9600 baud, 8N1)

Specimens:
  --breaks F1,F2,...    break forces in kN, one specimen each (default 30,32,40)
  --rate R              loading rate in kN/s (default 10)
  --pause S             idle seconds between a break and the next loading (default 3)
  --hold S              seconds the break force is held before the break (default 0)
  --start-delay S       idle seconds before the first specimen (default: the pause)
  --repeat              start the list again after the last specimen (default: idle)
  --noise KN            amplitude of uniform noise on force and speed (default 0.05; 0: exact)
  --seed N              seed of every random choice, for repeatable runs (default: random,
                        reported on standard error)

Faults:
  --garbage P           with probability P, send 1 to 8 random bytes before an answer
  --split               deliver each answer in 2 to 4 pieces with gaps of 1 to 5 ms
  --silence-after S     stop answering S seconds after start (polls are still logged)

Other:
  --log-polls FILE      append the type of every poll received to FILE, one per line
  -h, --help            show this text and exit

Standard output gets exactly one line, when the line is ready:
  loadsim: ready on PATH (/dev/pts/N)
Diagnostics go to standard error. SIGTERM or SIGINT end the run (exit status 0).
Exit status 1: the line could not be set up; 2: a bad command line.
)";
}

} // namespace vamo::loadsim
