#pragma once

#include "host/app/core/chart_axes.h"
#include "host/app/core/run_interfaces.h"
#include "host/controller/live_measurement.h"
#include "host/controller/poll_cycle.h"
#include "host/settings/sys_settings.h"

#include <functional>
#include <string>

namespace vamo::host {

// Run states.
namespace run_state {
constexpr int idle = 0;
constexpr int armed = 1;
constexpr int loading = 2;
constexpr int unloading = 3;
constexpr int finished = 11;
} // namespace run_state

// The thresholds and times of a run, from section 基本参数, and the upload switch.
struct RunSettings {
    float startThreshold = 5.0f; // 破碎起判力值
    float recordThreshold = 5.0f; // 起始力值
    float zeroThreshold = 0.5f; // 力值起限
    int waitSeconds = 100; // 运行等待时间
    int uploadSwitch = 0; // 数据上传
};

RunSettings runSettingsOf(const settings::SysSettings& settings);

// The test run: arming by 开始 or by rising force, following the force through loading and unloading,
// recognising the end of a specimen, recording the curve and handing the specimen to the plug-in.
// tick() is the 200 ms timer's work, second() the one-second timer's; both take the present instant so
// that tests drive them with a fake clock.
class RunControl {
public:
    using LoadSettings = std::function<settings::SysSettings()>;

    RunControl(controller::LiveMeasurement& live, RunPlugin& plugin, CurveStore& curve, RunChart& chart,
               RunPanel& panel, LoadSettings loadSettings);

    // Takes over thresholds, wait time, decimals and the upload switch of a loaded settings record.
    void applySettings(const settings::SysSettings& settings);
    const RunSettings& settings() const { return settings_; }
    void setUploadSwitch(int value) { settings_.uploadSwitch = value; }

    // 开始 (and the automatic start). True when the run was armed.
    bool start(RunClock::time_point now);
    // The 200 ms tick. False when the watchdog ended the program (the tick timer must stay stopped).
    bool tick(RunClock::time_point now);
    // The one-second timer. False when the timer must stay stopped until the next start.
    bool second(RunClock::time_point now);
    // 停止.
    void stop();
    // 结束一组.
    void endGroup();
    // Opening the test-method menu abandons an armed run.
    void abandonRun();

    int runState() const { return live_.inputs().runState; }
    float runFlag() const { return live_.inputs().runFlag; }
    float speedTarget() const { return speedTarget_; }
    void setSpeedTarget(float target) { speedTarget_ = target; }
    int lastEndOneResult() const { return lastEndOneResult_; }
    float peakTimeMs() const { return peakTimeMs_; }
    int secondsCounter() const { return secondsCounter_; }
    const ChartAxes& axes() const { return axes_; }
    ChartAxes& axes() { return axes_; }
    // The upload flag handed to the plug-in: 1 when uploading is switched on.
    int uploadFlag() const { return settings_.uploadSwitch != 0 ? 1 : 0; }

    // Run clock restart: elapsed times beyond this many ms start the clock anew.
    static constexpr long long clockLimitMs = 9'999'999;

private:
    void setRunState(int state) { live_.inputs().runState = state; }
    void setRunFlag(float flag) { live_.inputs().runFlag = flag; }
    void prepareCurve();
    void followForce(RunClock::time_point now);
    void recordPoint(RunClock::time_point now, float force);
    void completeSpecimen(RunClock::time_point now);
    // Runs one step of a timer; an error is shown once and the timer carries on.
    template <typename Step>
    void guarded(Step&& step);

    controller::LiveMeasurement& live_;
    controller::PollCycle poll_;
    RunPlugin& plugin_;
    CurveStore& curve_;
    RunChart& chart_;
    RunPanel& panel_;
    LoadSettings loadSettings_;
    RunSettings settings_;
    ChartAxes axes_;

    float speedTarget_ = 0.0f;
    RunClock::time_point clockStart_{};
    float peakTimeMs_ = 0.0f;
    double largestTime_ = 0.0;
    double largestForce_ = 0.0;
    int secondsCounter_ = 0;
    int fiveSecondCounter_ = 0;
    int lastEndOneResult_ = 0;
    std::string lastError_;
};

// A speed or threshold taken to three decimals, half away from zero.
float toThreeDecimals(float value);

} // namespace vamo::host
