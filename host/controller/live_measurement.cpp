#include "host/controller/live_measurement.h"

#include "platform/number_text.h"

#include <cmath>

namespace vamo::controller {

namespace {

constexpr float kHundredths = 100.0f;
constexpr float kStrengthShiftAbove = 3.0f;
constexpr float kStrengthShift = 1.0f;
constexpr char kIdleText[] = "0.0";
constexpr char kForceCodePrefix[] = "当前力码: ";

std::string elapsedSecondsText(std::int64_t elapsedMs) {
    return platform::formatFixed(static_cast<double>(elapsedMs) / 1000.0, 1);
}

} // namespace

void LiveMeasurement::applyFrame(const MeasurementFrame& frame) {
    watchdog_.frameReceived();
    const float value = static_cast<float>(frame.value) / kHundredths;
    switch (frame.type) {
    case FrameType::Force:
        applyForce(value);
        break;
    case FrameType::PeakForce:
        applyPeakForce(value);
        break;
    case FrameType::LoadingSpeed:
        applyLoadingSpeed(value);
        break;
    }
    if (listener_) {
        listener_(frame.type);
    }
}

void LiveMeasurement::applyForce(float force) {
    if (force > 0.0f && force < inputs_.zeroThreshold) {
        force = 0.0f;
    }
    values_.force = force;
    texts_.press_display_windows = platform::formatFixed(values_.force, inputs_.forceDecimals);
    texts_.max_press_windows = platform::formatFixed(values_.peakForce, inputs_.forceDecimals);
    texts_.speed_display_windows = platform::formatFixed(values_.loadingSpeed, inputs_.speedDecimals);
    texts_.run_time_windows = elapsedSecondsText(values_.elapsedMs);
    texts_.statusPanel3 = kForceCodePrefix + texts_.press_display_windows;

    if (inputs_.runState != 0) {
        values_.strength = strengthOf(values_.force);
        if (values_.strength > kStrengthShiftAbove) {
            values_.strength -= kStrengthShift;
        }
        if (values_.strength > values_.peakStrength) {
            values_.peakStrength = values_.strength;
        }
        texts_.intensity_dislay_windows = platform::formatFixed(values_.strength, inputs_.strengthDecimals);
        texts_.intensity_max_windows = platform::formatFixed(values_.peakStrength, inputs_.strengthDecimals);
    } else {
        texts_.intensity_dislay_windows = kIdleText;
        texts_.intensity_max_windows = kIdleText;
        texts_.run_time_windows = kIdleText;
    }
}

void LiveMeasurement::applyPeakForce(float peakForce) {
    if (inputs_.runFlag == 0.0f && peakForce > values_.peakForce) {
        values_.peakForce = peakForce;
    }
    texts_.max_press_windows = platform::formatFixed(values_.peakForce, inputs_.forceDecimals);
}

void LiveMeasurement::applyLoadingSpeed(float speed) {
    values_.loadingSpeed = speed;
    texts_.speed_display_windows = platform::formatFixed(values_.loadingSpeed, inputs_.speedDecimals);
}

// Without a divisor (no plug-in has handed one over yet) or with a quotient that is not a number, the
// strength is 0 rather than an infinity or NaN in the displays.
float LiveMeasurement::strengthOf(float force) const {
    if (values_.strengthDivisor == 0.0f) {
        return 0.0f;
    }
    const float strength = force / values_.strengthDivisor;
    return std::isfinite(strength) ? strength : 0.0f;
}

const char16_t* LiveMeasurement::fget_s(const float* divisor) {
    if (divisor != nullptr) {
        values_.strengthDivisor = *divisor;
    }
    const std::string text = platform::formatGeneral(static_cast<double>(values_.strengthDivisor));
    // The text is plain ASCII (digits, sign, point, exponent, "inf", "nan"), so widening each byte is exact.
    divisorText_.assign(text.begin(), text.end());
    return divisorText_.c_str();
}

} // namespace vamo::controller
