#pragma once

#include "host/app/core/run_control.h"

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vamo::host::testing {

struct FakePlugin : RunPlugin {
    bool isLoaded = true;
    std::optional<float> startAnswer = 2.5f;
    int endOneAnswer = 0;
    int starts = 0, stops = 0, endOnes = 0, endAlls = 0, rebinds = 0, unavailable = 0;
    std::vector<float> peaks;
    std::vector<std::string> testers;

    bool loaded() const override { return isLoaded; }
    void reportUnavailable() override { ++unavailable; }
    std::optional<float> start(std::string_view tester) override {
        ++starts;
        testers.emplace_back(tester);
        if (!isLoaded) {
            ++unavailable;
            return std::nullopt;
        }
        return startAnswer;
    }
    bool stop() override {
        ++stops;
        return isLoaded;
    }
    std::optional<int> endOne(int, float peakForce) override {
        ++endOnes;
        peaks.push_back(peakForce);
        return endOneAnswer;
    }
    bool endAll(int) override {
        ++endAlls;
        return isLoaded;
    }
    void rebind() override { ++rebinds; }
};

struct FakeCurve : CurveStore {
    struct Point {
        std::string force;
        long long elapsed;
        std::string speed;
    };
    int prepares = 0;
    bool failInserts = false;
    std::vector<Point> points;

    void prepare() override {
        ++prepares;
        points.clear();
    }
    void addPoint(std::string_view forceText, long long elapsedMs, std::string_view speedText) override {
        if (failInserts) {
            throw std::runtime_error("database is locked");
        }
        points.push_back({std::string(forceText), elapsedMs, std::string(speedText)});
    }
    void close() override {}
};

struct FakeChart : RunChart {
    std::vector<std::pair<double, double>> curve;
    std::vector<std::string> marks;
    ChartAxes shown;
    int images = 0;

    void clearSeries() override {
        curve.clear();
        marks.clear();
    }
    void addCurvePoint(double seconds, double force) override { curve.emplace_back(seconds, force); }
    void addPeakMark(double, double, std::string_view label) override { marks.emplace_back(label); }
    void showAxes(const ChartAxes& axes) override { shown = axes; }
    void saveImages() override { ++images; }
};

struct FakePanel : RunPanel {
    bool start = true;
    bool autoStart = true;
    std::map<int, std::string> status;
    std::vector<int> pollTypes;
    std::vector<std::string> errors;
    int timeouts = 0;
    int delayedEnables = 0;
    int specimenEnables = 0;

    void setStartEnabled(bool enabled) override { start = enabled; }
    bool startEnabled() const override { return start; }
    void enableStartAfter(std::chrono::milliseconds) override { ++delayedEnables; }
    bool autoStartTicked() const override { return autoStart; }
    void enableAfterSpecimen() override {
        ++specimenEnables;
        start = true;
    }
    void setStatus(int panel, std::string_view text) override { status[panel] = std::string(text); }
    void processEvents() override {}
    void sendPoll(const controller::FrameBytes& frame) override { pollTypes.push_back(frame[4]); }
    void refreshUploadLabel() override {}
    std::string operatorName() const override { return "admin"; }
    void showError(std::string_view text) override { errors.emplace_back(text); }
    void communicationTimeout() override { ++timeouts; }
};

// A run control over fakes, with a clock the test moves by hand.
struct RunFixture {
    controller::LiveMeasurement live;
    FakePlugin plugin;
    FakeCurve curve;
    FakeChart chart;
    FakePanel panel;
    settings::SysSettings settings;
    RunControl run{live, plugin, curve, chart, panel, [this] { return settings; }};
    RunClock::time_point clock{};

    RunFixture() { run.applySettings(settings); }

    void force(float kN) { live.values().force = kN; }
    // One tick after 200 ms.
    bool tick() {
        clock += std::chrono::milliseconds(200);
        return run.tick(clock);
    }
    // n ticks, then the one-second timer (five ticks make a second).
    bool second() { return run.second(clock); }
    void ticksOf(int count) {
        for (int i = 0; i < count; ++i) {
            tick();
        }
    }
};

} // namespace vamo::host::testing
