#include "host/app/core/run_control.h"

#include "host/app/core/station_texts.h"
#include "platform/number_text.h"

#include <cmath>
#include <exception>

namespace vamo::host {

namespace {

constexpr int statusSystem = 1;
constexpr int statusRun = 2;
constexpr int statusUpload = 4;

constexpr std::string_view runningText = " 运行:----";
constexpr std::string_view stoppedText = " 停止:----";

// The automatic start dates the run clock back, so that the curve of a specimen that was already
// loading when the run armed begins at about 2 s.
constexpr auto autoStartLead = std::chrono::milliseconds(2000);
constexpr auto startButtonHold = std::chrono::milliseconds(330);

// Peaks are tracked only above the zero threshold plus this margin (kN).
constexpr float peakMargin = 5.0f;

// Every sixth idle second the upload link label is refreshed.
constexpr int uploadLabelPeriod = 5;

long long millisecondsBetween(RunClock::time_point from, RunClock::time_point to) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count();
}

} // namespace

float toThreeDecimals(float value) {
    return static_cast<float>(std::round(static_cast<double>(value) * 1000.0) / 1000.0);
}

RunSettings runSettingsOf(const settings::SysSettings& settings) {
    RunSettings run;
    run.startThreshold = settings.startThreshold;
    run.recordThreshold = settings.recordThreshold;
    run.zeroThreshold = settings.zeroForceThreshold;
    run.waitSeconds = settings.runWaitSeconds;
    run.uploadSwitch = settings.uploadEnabled;
    return run;
}

RunControl::RunControl(controller::LiveMeasurement& live, RunPlugin& plugin, CurveStore& curve,
                       RunChart& chart, RunPanel& panel, LoadSettings loadSettings)
    : live_(live),
      plugin_(plugin),
      curve_(curve),
      chart_(chart),
      panel_(panel),
      loadSettings_(std::move(loadSettings)) {
}

void RunControl::applySettings(const settings::SysSettings& settings) {
    settings_ = runSettingsOf(settings);
    auto& inputs = live_.inputs();
    inputs.zeroThreshold = settings.zeroForceThreshold;
    inputs.forceDecimals = settings.forceDecimals;
    inputs.strengthDecimals = settings.strengthDecimals;
    inputs.speedDecimals = settings.speedDecimals;
}

template <typename Step>
void RunControl::guarded(Step&& step) {
    try {
        step();
    } catch (const std::exception& error) {
        // A failure that repeats every tick (a locked curve database) is shown once, not five times a second.
        if (lastError_ != error.what()) {
            lastError_ = error.what();
            panel_.showError(lastError_);
        }
    }
}

bool RunControl::start(RunClock::time_point now) {
    // A missing plug-in or export is reported by the binding and gives no answer.
    const auto answer = plugin_.start(panel_.operatorName());
    if (!answer) {
        return false;
    }
    speedTarget_ = toThreeDecimals(*answer);
    if (speedTarget_ == 0.0f) {
        panel_.setStartEnabled(true);
        setRunState(run_state::idle);
        return false;
    }
    setRunFlag(1.0f);
    panel_.setStartEnabled(false);
    try {
        applySettings(loadSettings_());
        prepareCurve();
    } catch (...) {
        // Leave the station startable again; the error itself is shown by the caller.
        setRunFlag(0.0f);
        panel_.setStartEnabled(true);
        throw;
    }
    auto& values = live_.values();
    values.peakForce = 0.0f;
    peakTimeMs_ = 0.0f;
    setRunState(run_state::armed);
    values.strength = 0.0f;
    values.peakStrength = 0.0f;
    secondsCounter_ = 0;
    lastError_.clear();
    panel_.processEvents();
    clockStart_ = now;
    chart_.addCurvePoint(0.0, 0.0);
    panel_.setStatus(statusSystem, systemStateLoading);
    return true;
}

void RunControl::prepareCurve() {
    curve_.prepare();
    axes_.resetForRun();
    chart_.clearSeries();
    chart_.showAxes(axes_);
    largestTime_ = 0.0;
    largestForce_ = 0.0;
}

bool RunControl::tick(RunClock::time_point now) {
    auto& watchdog = live_.watchdog();
    if (watchdog.reached()) {
        panel_.communicationTimeout();
        return false;
    }
    watchdog.increment();

    const float force = live_.values().force;
    if (force > settings_.startThreshold && panel_.startEnabled() && panel_.autoStartTicked()) {
        guarded([&] { start(now); });
        clockStart_ = now - autoStartLead;
    }

    const int state = runState();
    if (state == run_state::armed || state == run_state::loading || state == run_state::unloading) {
        followForce(now);
    }

    panel_.sendPoll(poll_.send_next_frame());
    return true;
}

void RunControl::followForce(RunClock::time_point now) {
    const float force = live_.values().force;
    if (force > settings_.startThreshold) {
        if (runState() == run_state::armed) {
            setRunState(run_state::loading);
        }
        panel_.setStatus(statusRun, runningText);
    } else {
        if (runState() == run_state::loading) {
            setRunState(run_state::unloading);
        }
        if (runState() == run_state::unloading && force < settings_.startThreshold / 2.0f) {
            secondsCounter_ = 0;
            setRunState(run_state::finished);
            setRunFlag(0.0f);
        }
    }
    if (force > settings_.recordThreshold) {
        recordPoint(now, force);
    } else {
        clockStart_ = now;
    }
}

void RunControl::recordPoint(RunClock::time_point now, float force) {
    const long long elapsed = millisecondsBetween(clockStart_, now);
    if (elapsed < 0 || elapsed > clockLimitMs) {
        clockStart_ = now;
    }
    auto& values = live_.values();
    values.elapsedMs = elapsed;
    const double seconds = static_cast<double>(elapsed) / 1000.0;
    if (elapsed > 0) {
        chart_.addCurvePoint(seconds, force);
        largestTime_ = std::max(largestTime_, seconds);
        largestForce_ = std::max(largestForce_, static_cast<double>(force));
    }
    if (runFlag() == 1.0f && force > settings_.zeroThreshold + peakMargin && force > values.peakForce) {
        values.peakForce = force;
        peakTimeMs_ = static_cast<float>(elapsed);
    }
    const auto& inputs = live_.inputs();
    guarded([&] {
        curve_.addPoint(platform::formatFixed(force, inputs.forceDecimals), elapsed,
                        platform::formatFixed(values.loadingSpeed, inputs.speedDecimals));
    });
    const ChartAxes before = axes_;
    axes_.growFor(largestTime_, largestForce_);
    if (!(axes_.time == before.time && axes_.force == before.force)) {
        chart_.showAxes(axes_);
    }
}

bool RunControl::second(RunClock::time_point now) {
    ++secondsCounter_;
    ++fiveSecondCounter_;
    const int state = runState();
    if (state == run_state::idle && fiveSecondCounter_ > uploadLabelPeriod) {
        fiveSecondCounter_ = 0;
        panel_.refreshUploadLabel();
    }
    if (state == run_state::finished) {
        secondsCounter_ = 0;
        setRunFlag(0.0f);
        guarded([&] { completeSpecimen(now); });
        setRunState(run_state::idle);
        return true;
    }
    if (state == run_state::armed && lastEndOneResult_ == 0) {
        if (live_.values().force >= settings_.recordThreshold) {
            panel_.setStatus(statusRun, runningText);
        } else {
            panel_.setStatus(statusRun,
                             " 等待时间:" + std::to_string(settings_.waitSeconds - secondsCounter_) + "秒");
        }
        if (secondsCounter_ >= settings_.waitSeconds) {
            panel_.setStatus(statusRun, stoppedText);
            secondsCounter_ = 0;
            setRunState(run_state::idle);
            setRunFlag(0.0f);
            return false;
        }
    }
    if (runState() == run_state::idle && lastEndOneResult_ == 0) {
        panel_.setStatus(statusRun, stoppedText);
    }
    return true;
}

void RunControl::completeSpecimen(RunClock::time_point now) {
    if (!plugin_.loaded()) {
        plugin_.reportUnavailable();
        return;
    }
    setRunFlag(0.0f);
    setRunState(run_state::idle);
    auto& values = live_.values();
    const float peak = values.peakForce;
    chart_.addPeakMark(peakTimeMs_ / 1000.0f, peak,
                       "最大力 " + platform::formatFixed(peak, live_.inputs().forceDecimals) + "kN");
    chart_.saveImages();
    panel_.enableAfterSpecimen();
    panel_.processEvents();
    if (const auto result = plugin_.endOne(uploadFlag(), peak)) {
        lastEndOneResult_ = *result;
        panel_.setStatus(statusSystem, systemStateStopped);
        clockStart_ = now;
        values.elapsedMs = 0;
        values.strength = 0.0f;
        values.peakStrength = 0.0f;
    }
}

void RunControl::stop() {
    live_.watchdog().reset();
    panel_.setStartEnabled(false);
    panel_.processEvents();
    panel_.processEvents();
    panel_.setStatus(statusUpload, uploadStatusText(settings_.uploadSwitch));
    panel_.setStatus(statusRun, stoppedText);
    secondsCounter_ = 0;
    plugin_.stop();
    panel_.processEvents();
    setRunState(run_state::idle);
    setRunFlag(0.0f);
    panel_.setStatus(statusSystem, systemStateStopped);
    live_.values().peakForce = 0.0f;
    panel_.enableStartAfter(startButtonHold);
}

void RunControl::endGroup() {
    panel_.setStatus(statusSystem, systemStateStopped);
    if (plugin_.endAll(uploadFlag())) {
        plugin_.rebind();
    }
}

void RunControl::abandonRun() {
    setRunFlag(0.0f);
    setRunState(run_state::idle);
}

} // namespace vamo::host
