#include "tools/loadsim/specimen_model.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace vamo::loadsim {

namespace {

using Elapsed = SpecimenModel::Elapsed;

Elapsed fromSeconds(double seconds) {
    return std::chrono::round<Elapsed>(std::chrono::duration<double>(seconds));
}

double toSeconds(Elapsed elapsed) {
    return std::chrono::duration<double>(elapsed).count();
}

void checkConfig(const ModelConfig& config) {
    if (config.breakForces.empty()) {
        throw std::invalid_argument("specimen model: the list of break forces is empty");
    }
    for (double force : config.breakForces) {
        if (!(force > 0.0)) {
            throw std::invalid_argument("specimen model: break forces must be above 0 kN");
        }
    }
    if (!(config.loadingRate > 0.0)) {
        throw std::invalid_argument("specimen model: the loading rate must be above 0 kN/s");
    }
    if (!(config.pauseSeconds >= 0.0) || !(config.startDelaySeconds >= 0.0) || !(config.holdSeconds >= 0.0)) {
        throw std::invalid_argument("specimen model: pause, start delay and hold must not be negative");
    }
}

} // namespace

SpecimenModel::SpecimenModel(ModelConfig config) : config_(std::move(config)) {
    checkConfig(config_);
    std::seed_seq seeds{static_cast<std::uint32_t>(config_.seed),
                        static_cast<std::uint32_t>(config_.seed >> 32), 0x6d6f64u};
    random_.seed(seeds);
    enterPhaseAt(Phase::Waiting, Elapsed{0});
    phaseEnd_ = fromSeconds(config_.startDelaySeconds);
    advanceTo(Elapsed{0});
}

void SpecimenModel::advanceTo(Elapsed elapsed) {
    if (elapsed < now_) {
        return;
    }
    while (phase_ != Phase::Finished && elapsed >= phaseEnd_) {
        leaveCurrentPhase();
    }
    now_ = elapsed;
}

void SpecimenModel::enterPhaseAt(Phase next, Elapsed start) {
    phase_ = next;
    phaseStart_ = start;
}

void SpecimenModel::leaveCurrentPhase() {
    const Elapsed end = phaseEnd_;
    switch (phase_) {
    case Phase::Waiting:
        if (specimenStarted_) {
            specimen_ = (specimen_ + 1) % config_.breakForces.size();
        }
        specimenStarted_ = true;
        enterPhaseAt(Phase::Loading, end);
        phaseEnd_ = end + std::max(loadingDuration(), Elapsed{1});
        break;
    case Phase::Loading: {
        ++brokenSpecimens_;
        std::uniform_int_distribution<Elapsed::rep> breakLength(Elapsed{shortestBreak}.count(),
                                                                Elapsed{longestBreak}.count());
        breakDuration_ = Elapsed{breakLength(random_)};
        enterPhaseAt(Phase::Breaking, end);
        phaseEnd_ = end + breakDuration_;
        break;
    }
    case Phase::Breaking:
        if (specimen_ + 1 == config_.breakForces.size() && !config_.repeat) {
            enterPhaseAt(Phase::Finished, end);
            phaseEnd_ = Elapsed::max();
        } else {
            enterPhaseAt(Phase::Waiting, end);
            phaseEnd_ = end + fromSeconds(config_.pauseSeconds);
        }
        break;
    case Phase::Finished:
        break;
    }
}

SpecimenModel::Elapsed SpecimenModel::loadingDuration() const {
    return fromSeconds(breakForce() / config_.loadingRate + config_.holdSeconds);
}

double SpecimenModel::secondsIntoPhase() const {
    return toSeconds(now_ - phaseStart_);
}

double SpecimenModel::force() const {
    switch (phase_) {
    case Phase::Loading:
        return std::min(config_.loadingRate * secondsIntoPhase(), breakForce());
    case Phase::Breaking: {
        const double remaining = 1.0 - secondsIntoPhase() / toSeconds(breakDuration_);
        return std::max(0.0, breakForce() * remaining);
    }
    case Phase::Waiting:
    case Phase::Finished:
        break;
    }
    return 0.0;
}

double SpecimenModel::peakForce() const {
    if (!specimenStarted_) {
        return 0.0;
    }
    if (phase_ == Phase::Loading) {
        return force();
    }
    return breakForce();
}

double SpecimenModel::loadingSpeed() const {
    return phase_ == Phase::Loading && force() < breakForce() ? config_.loadingRate : 0.0;
}

} // namespace vamo::loadsim
