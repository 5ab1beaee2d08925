#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

namespace vamo::loadsim {

// What the controller plays, in kN, kN/s and seconds.
struct ModelConfig {
    std::vector<double> breakForces; // one specimen each, in order
    double loadingRate = 10.0; // kN/s
    double pauseSeconds = 3.0; // idle time between a break and the next loading
    double startDelaySeconds = 3.0; // idle time before the first loading
    bool repeat = false; // start the list again after the last specimen
    std::uint64_t seed = 0; // chooses how long each break takes
    double holdSeconds = 0.0; // the break force is held this long before the break
};

// The controller's specimen cycle as a function of the time since the simulator started:
// idle, loading at the rate up to the break force (held for the hold time), the break (a fall to 0 over half
// a second to a second), the pause, the next specimen. It keeps no clock of its own: the caller moves it
// forward with advanceTo, so a test can drive it with a fake time.
class SpecimenModel {
public:
    using Elapsed = std::chrono::nanoseconds;

    enum class Phase {
        Waiting, // before the first specimen or in the pause after a break
        Loading, // force rising at the rate
        Breaking, // force falling from the break force to 0
        Finished, // all specimens done, idling until the end (only without repeat)
    };

    static constexpr std::chrono::milliseconds shortestBreak{500};
    static constexpr std::chrono::milliseconds longestBreak{1000};

    explicit SpecimenModel(ModelConfig config);

    // Moves the model to `elapsed` since the start. Times earlier than the last one are ignored.
    void advanceTo(Elapsed elapsed);

    Phase phase() const { return phase_; }
    // Index into the break forces of the specimen being played (or last played).
    std::size_t specimenIndex() const { return specimen_; }
    // Specimens that have reached their break so far.
    std::uint64_t brokenSpecimens() const { return brokenSpecimens_; }

    double force() const;
    // Highest force of the current specimen; 0 until its loading begins.
    double peakForce() const;
    // The rate while the force rises, else 0.
    double loadingSpeed() const;

private:
    void enterPhaseAt(Phase next, Elapsed start);
    void leaveCurrentPhase();
    Elapsed loadingDuration() const;
    double breakForce() const { return config_.breakForces[specimen_]; }
    double secondsIntoPhase() const;

    ModelConfig config_;
    std::mt19937_64 random_;
    Phase phase_ = Phase::Waiting;
    Elapsed now_{0};
    Elapsed phaseStart_{0};
    Elapsed phaseEnd_{0};
    Elapsed breakDuration_{0};
    std::size_t specimen_ = 0;
    bool specimenStarted_ = false;
    std::uint64_t brokenSpecimens_ = 0;
};

} // namespace vamo::loadsim
