#pragma once

#include "host/controller/frame.h"
#include "host/controller/watchdog_count.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace vamo::controller {

// The live values; force in kN, speed in kN/s, strength in MPa. The run control resets the peaks and sets the
// elapsed time; the frames set the rest.
struct LiveValues {
    float force = 0.0f;
    float peakForce = 0.0f;
    float loadingSpeed = 0.0f;
    float strength = 0.0f;
    float peakStrength = 0.0f;
    float strengthDivisor = 0.0f; // 0 until a plug-in hands one over
    std::int64_t elapsedMs = 0;
};

// What the host sets and the decoding reads: the run state and run flag of the run control, the zero
// threshold and the display decimals of the settings.
struct MeasurementInputs {
    int runState = 0;
    float runFlag = 0.0f;
    float zeroThreshold = 0.5f;
    int forceDecimals = 2;
    int strengthDecimals = 2;
    int speedDecimals = 2;
};

// The texts of the main window's value displays and of status panel 3, as the last frames left them.
struct DisplayTexts {
    std::string press_display_windows;
    std::string max_press_windows;
    std::string speed_display_windows;
    std::string run_time_windows;
    std::string intensity_dislay_windows;
    std::string intensity_max_windows;
    std::string statusPanel3;
};

// Turns measurement frames into live values and display texts, and lowers the watchdog count for each.
class LiveMeasurement {
public:
    // Told after each frame has been applied, with its type, so that the window can refresh.
    using FrameListener = std::function<void(FrameType)>;

    void setListener(FrameListener listener) { listener_ = std::move(listener); }

    void applyFrame(const MeasurementFrame& frame);

    LiveValues& values() { return values_; }
    const LiveValues& values() const { return values_; }
    MeasurementInputs& inputs() { return inputs_; }
    const MeasurementInputs& inputs() const { return inputs_; }
    WatchdogCount& watchdog() { return watchdog_; }
    const WatchdogCount& watchdog() const { return watchdog_; }
    const DisplayTexts& texts() const { return texts_; }

    // The strength divisor handed over by a plug-in. Stores *divisor and returns a zero-terminated UTF-16
    // text of it in general notation, valid until the next call. A null pointer stores nothing and returns
    // the text of the divisor held.
    const char16_t* fget_s(const float* divisor);

private:
    void applyForce(float force);
    void applyPeakForce(float peakForce);
    void applyLoadingSpeed(float speed);
    float strengthOf(float force) const;

    LiveValues values_;
    MeasurementInputs inputs_;
    WatchdogCount watchdog_;
    DisplayTexts texts_;
    FrameListener listener_;
    std::u16string divisorText_;
};

} // namespace vamo::controller
