// Measures the run's work through the real code paths and prints the figures (asserts nothing):
//   - the 200 ms tick's work per recorded point over a curve of 50 000 points (a 2.8-hour run at five
//     points a second): run control, live values, chart series and one insert into db/temp_mdb.mdb;
//   - the completion of that specimen by the conccomp plug-in's code (curve copy and result rows);
//   - the evaluation of a group of three such specimens.
// Usage: run_benchmark [POINTS]   (a temporary station folder is made and removed)
#include "host/app/core/curve_database.h"
#include "host/app/core/run_control.h"
#include "host/app/load_chart.h"
#include "plugin/evaluation/group_evaluation.h"
#include "plugin/evaluation/specimen_completion.h"
#include "plugins/all_descriptors.h"
#include "storage/database.h"
#include "storage/query.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct QuietPlugin : vamo::host::RunPlugin {
    bool loaded() const override { return true; }
    void reportUnavailable() override {}
    std::optional<float> start(std::string_view) override { return 6.75f; }
    bool stop() override { return true; }
    std::optional<int> endOne(int, float) override { return 0; }
    bool endAll(int) override { return true; }
    void rebind() override {}
};

struct QuietPanel : vamo::host::RunPanel {
    void setStartEnabled(bool) override {}
    bool startEnabled() const override { return false; }
    void enableStartAfter(std::chrono::milliseconds) override {}
    bool autoStartTicked() const override { return false; }
    void enableAfterSpecimen() override {}
    void setStatus(int, std::string_view) override {}
    void processEvents() override {}
    void sendPoll(const vamo::controller::FrameBytes&) override {}
    void refreshUploadLabel() override {}
    std::string operatorName() const override { return "admin"; }
    void showError(std::string_view text) override {
        std::fprintf(stderr, "error: %.*s\n", int(text.size()), text.data());
    }
    void communicationTimeout() override {}
};

struct Dialogs : vamo::platform::Dialogs {
    vamo::platform::DialogAnswer message(std::string_view, std::string_view, vamo::platform::DialogButtons,
                                         vamo::platform::DialogIcon) override {
        return vamo::platform::DialogAnswer::Ok;
    }
    std::optional<std::string> input(std::string_view, std::string_view, std::string_view) override {
        return {};
    }
    void error(std::string_view text) override {
        std::fprintf(stderr, "error: %.*s\n", int(text.size()), text.data());
    }
};

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1))];
}

} // namespace

int main(int argc, char** argv) {
    const int points = argc > 1 ? std::atoi(argv[1]) : 50000;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);

    std::string pattern = (fs::temp_directory_path() / "vamo-bench-XXXXXX").string();
    const fs::path station = ::mkdtemp(pattern.data());
    for (const char* folder : {"db", "output", "shangchuan"}) {
        fs::create_directories(station / folder);
    }
    vamo::storage::Database::create((station / "db/temp_mdb1.mdb").string());
    vamo::storage::Database::create((station / "db/temp_normal1.mdb").string(), std::string("zup"));

    // The tick over a long curve.
    vamo::controller::LiveMeasurement live;
    QuietPlugin plugin;
    QuietPanel panel;
    vamo::host::CurveDatabase curve(station / "db");
    vamo::host::LoadChart chart(station / "shangchuan");
    chart.resize(900, 500);
    vamo::host::RunControl run(live, plugin, curve, chart, panel,
                               [] { return vamo::settings::SysSettings{}; });
    auto now = Clock::time_point{};
    run.start(now);
    std::vector<double> tickMs;
    tickMs.reserve(static_cast<std::size_t>(points));
    for (int i = 0; i < points; ++i) {
        now += std::chrono::milliseconds(200);
        // A force frame between two ticks, as the controller answers the polls.
        const vamo::controller::MeasurementFrame frame{vamo::controller::FrameType::Force,
                                                       600 + (i % 9000) * 10};
        const auto start = Clock::now();
        live.applyFrame(frame);
        run.tick(now);
        tickMs.push_back(millisecondsSince(start));
    }
    curve.close();
    {
        auto recorded = vamo::storage::Database::open((station / "db/temp_mdb.mdb").string());
        std::printf("points recorded in db/temp_mdb.mdb: %zu\n",
                    vamo::storage::Query(recorded, "Select * from temp").rowCount());
    }
    std::printf("tick per recorded point over %d points: median %.3f ms, p99 %.3f ms, max %.3f ms (goal: p99 "
                "at most 5 ms)\n",
                points, percentile(tickMs, 0.5), percentile(tickMs, 0.99), percentile(tickMs, 1.0));

    // The completion of that specimen and the evaluation of a group of three.
    Dialogs dialogs;
    vamo::plugin::PluginModule module(
        vamo::plugins::descriptorNamed("conccomp"),
        vamo::plugin::ModuleServices{.programFolder = [&] { return station; },
                                     .dialogs = dialogs,
                                     .handOver = [](float) {},
                                     .today =
                                         [] {
                                             return vamo::plugin::CalendarDate{2026, 12, 11};
                                         }});
    vamo::plugin::PanelModel& model = module.openPanel();
    module.showPanel();
    model.setText(vamo::plugin::FieldId::ComboBox_sjks, "24");
    const vamo::evaluation::EvaluationServices services{vamo::evaluation::localDateTime, [] {}};
    std::vector<double> completionMs;
    for (float peak : {300.0f, 320.0f, 400.0f}) {
        module.dll_test_start("admin");
        const auto start = Clock::now();
        vamo::evaluation::completeSpecimen(module, {1, peak, 0.0f, 1491.123f, 12.2f, "temp_mdb.mdb", "temp"},
                                           services);
        completionMs.push_back(millisecondsSince(start));
    }
    std::printf("completion of a %d-point specimen: %.1f ms, %.1f ms, %.1f ms (goal: at most 100 ms)\n",
                points, completionMs[0], completionMs[1], completionMs[2]);

    model.setText(vamo::plugin::FieldId::ComboBox_sjks, "3");
    auto group = vamo::storage::Database::open(module.currentGroupFilePath().string());
    const auto start = Clock::now();
    vamo::evaluation::evaluate_group(module, group, 3, 1, services);
    std::printf("evaluation of the group of three: %.1f ms (goal: at most 50 ms)\n",
                millisecondsSince(start));

    std::error_code ignored;
    fs::remove_all(station, ignored);
    return 0;
}
