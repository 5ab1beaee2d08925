#pragma once

#include "host/app/core/chart_axes.h"
#include "host/controller/frame.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// What the run control needs of the world around it, as small interfaces: the loaded plug-in, the curve
// database, the chart, and the main window's controls and status bar. The main window implements them
// over its widgets; tests implement them with fakes.
namespace vamo::host {

using RunClock = std::chrono::steady_clock;

// The plug-in as the run control calls it. A missing library or export is reported by the binding
// ("功能无效") and answered with no value.
class RunPlugin {
public:
    virtual ~RunPlugin() = default;
    virtual bool loaded() const = 0;
    // Shows "功能无效" as for a missing export.
    virtual void reportUnavailable() = 0;
    virtual std::optional<float> start(std::string_view tester) = 0;
    virtual bool stop() = 0;
    virtual std::optional<int> endOne(int uploadFlag, float peakForce) = 0;
    virtual bool endAll(int uploadFlag) = 0;
    // Binds the ticked method again (after the group was ended early).
    virtual void rebind() = 0;
};

// The curve database db/temp_mdb.mdb.
class CurveStore {
public:
    virtual ~CurveStore() = default;
    // Recreates the file from the templates with an empty curve table.
    virtual void prepare() = 0;
    // One recorded point: the texts of force and speed in the display formats, elapsed ms.
    virtual void addPoint(std::string_view forceText, long long elapsedMs, std::string_view speedText) = 0;
    virtual void close() = 0;
};

// The load-time chart: Series1 is the curve, Series2 the peak marks.
class RunChart {
public:
    virtual ~RunChart() = default;
    virtual void clearSeries() = 0;
    virtual void addCurvePoint(double seconds, double force) = 0;
    virtual void addPeakMark(double seconds, double force, std::string_view label) = 0;
    virtual void showAxes(const ChartAxes& axes) = 0;
    // Writes shangchuan/chart_temp.bmp, then shangchuan/chart_temp.jpg from it.
    virtual void saveImages() = 0;
};

// The main window's run controls and status bar.
class RunPanel {
public:
    virtual ~RunPanel() = default;
    virtual void setStartEnabled(bool enabled) = 0;
    virtual bool startEnabled() const = 0;
    // Enables 开始 again after the given delay (停止 keeps it disabled for a moment).
    virtual void enableStartAfter(std::chrono::milliseconds delay) = 0;
    virtual bool autoStartTicked() const = 0;
    // 开始, 试验选择, 打印报告, the three image buttons and 结束一组 after a finished specimen.
    virtual void enableAfterSpecimen() = 0;
    virtual void setStatus(int panel, std::string_view text) = 0;
    virtual void processEvents() = 0;
    virtual void sendPoll(const controller::FrameBytes& frame) = 0;
    // The upload link label, refreshed every sixth second while idle.
    virtual void refreshUploadLabel() = 0;
    // The logged-on user's name, handed to the plug-in's start as the tester.
    virtual std::string operatorName() const = 0;
    // The error of a failed step, shown once; the timers carry on.
    virtual void showError(std::string_view text) = 0;
    // The controller has been silent too long: report it and shut the program down.
    virtual void communicationTimeout() = 0;
};

} // namespace vamo::host
