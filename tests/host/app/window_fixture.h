#pragma once

#include "host/app/host_forms.h"
#include "host/app/load_chart.h"
#include "host/app/tvamo_main.h"
#include "tests/host/app/scripted_forms.h"
#include "tests/support/pseudo_terminal.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_station.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace vamo::host::testing {

// A main window over a temporary station folder with a pseudo-terminal as COM1 and, unless a test says
// otherwise, the stand-in plug-in as conccomp.
struct WindowTest : ::testing::Test {
    vamo::testing::TempStation station;
    vamo::testing::ScriptedDialogs dialogs;
    ScriptedForms forms;
    std::unique_ptr<vamo::testing::PseudoTerminal> controller;
    bool ended = false;
    bool lockReleased = false;
    std::unique_ptr<Tvamo_main> window;

    void SetUp() override {
        setenv("VAMODESK_PROGRAM_FOLDER", station.folder().c_str(), 1);
        controller = std::make_unique<vamo::testing::PseudoTerminal>(station / "dev/com1");
    }
    void TearDown() override {
        window.reset();
        unsetenv("VAMODESK_PROGRAM_FOLDER");
    }

    // COM1 is a link to a device that is not there: opening it fails.
    void breakThePort() {
        controller.reset();
        std::filesystem::create_symlink(station / "no-such-device", station / "dev/com1");
    }

    void installFakePlugin() const {
        std::filesystem::copy_file(FAKE_PLUGIN_PATH, station / "dll/conccomp.so",
                                   std::filesystem::copy_options::overwrite_existing);
    }

    Tvamo_main& makeWindow() {
        window = std::make_unique<Tvamo_main>(Tvamo_main::Environment{
            station.folder(), dialogs, forms, [this] { lockReleased = true; }, [this] { ended = true; }});
        return *window;
    }

    // Creates and runs the start-up sequence with the stand-in plug-in.
    Tvamo_main& started() {
        window.reset();
        installFakePlugin();
        makeWindow();
        EXPECT_TRUE(window->create());
        window->show();
        return *window;
    }

    std::vector<std::string> pluginCalls() const {
        std::vector<std::string> calls;
        std::ifstream in(station / "plugin-calls.log");
        for (std::string line; std::getline(in, line);) {
            calls.push_back(line);
        }
        return calls;
    }

    template <typename T = QWidget>
    T* control(const char* name) const {
        return window->findChild<T*>(name);
    }

    std::string statusPanel(int index) const {
        return control<QLabel>(QStringLiteral("StatusPanel%1").arg(index).toUtf8().constData())
            ->text()
            .toStdString();
    }

    static void processEventsFor(int milliseconds) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < milliseconds) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }

    // A measurement frame of the controller: A5 00 00 00 T 04 v3 v2 v1 v0 5A.
    static std::vector<std::uint8_t> frame(std::uint8_t type, std::int32_t value) {
        const auto v = static_cast<std::uint32_t>(value);
        return {0xA5,
                0x00,
                0x00,
                0x00,
                type,
                0x04,
                static_cast<std::uint8_t>(v >> 24),
                static_cast<std::uint8_t>(v >> 16),
                static_cast<std::uint8_t>(v >> 8),
                static_cast<std::uint8_t>(v),
                0x5A};
    }
    void deliver(const std::vector<std::uint8_t>& bytes) const {
        window->deliver(bytes.data(), bytes.size());
    }
};

} // namespace vamo::host::testing
