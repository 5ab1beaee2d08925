// The station's own serial path against the simulator: the port adapter opens loadsim's pseudo-terminal
// as COM1 of a program folder, the poll cycle asks, the receive buffer and the live values decode.
#include "binary_harness.h"
#include "host/controller/live_measurement.h"
#include "host/controller/poll_cycle.h"
#include "host/controller/receive_buffer.h"
#include "host/controller/serial_port.h"
#include "host/controller/serial_settings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

namespace vamo::loadsim::test {
namespace {

TEST(LoadsimThroughTheSerialAdapter, ForceRisesToTheBreakAndFallsBackWithThePeakReported) {
    int argc = 1;
    char name[] = "loadsim_link_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);

    TempDir folder;
    std::filesystem::create_directories(folder.path() / "dev");
    LoadsimProcess simulator({"--link", (folder.path() / "dev/com1").string(), "--breaks", "20", "--rate",
                              "20", "--pause", "1", "--hold", "0.3", "--noise", "0", "--seed", "7"},
                             folder.path() / "loadsim.err");
    const auto ready = simulator.readLine(std::chrono::seconds(5));
    ASSERT_TRUE(ready.has_value());
    ASSERT_EQ(ready->rfind("loadsim: ready on ", 0), 0u) << *ready;

    controller::LiveMeasurement live;
    controller::ReceiveBuffer buffer(
        [&](const controller::MeasurementFrame& frame) { live.applyFrame(frame); });
    serial::SerialPortAdapter port(
        [&](const std::uint8_t* bytes, std::size_t count) { buffer.deliver(bytes, count); });
    port.open(controller::lineSettingsFrom(settings::SerialSettings{}), folder.path());

    controller::PollCycle poll;
    float highestForce = 0.0f;
    bool fellBack = false;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const auto frame = poll.send_next_frame();
        port.write(frame.data(), frame.size());
        highestForce = std::max(highestForce, live.values().force);
        fellBack = fellBack || (highestForce == 20.0f && live.values().force == 0.0f);
    });
    tick.start(20);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 6000 && !(fellBack && live.values().peakForce >= 19.99f)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    tick.stop();

    EXPECT_FLOAT_EQ(highestForce, 20.0f) << "the break force, held for 0.3 s, is seen";
    EXPECT_TRUE(fellBack) << "the force falls back to 0 after the break";
    EXPECT_FLOAT_EQ(live.values().peakForce, 20.0f) << "the controller's peak frames report the break force";
    EXPECT_EQ(live.texts().max_press_windows, "20.00");
    EXPECT_GT(buffer.counters().framesDecoded, 20u);
    EXPECT_EQ(buffer.counters().bytesDroppedByResync, 0u);

    port.close();
    simulator.sendSignal(SIGTERM);
    EXPECT_EQ(simulator.waitForExit(std::chrono::seconds(5)), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(folder.path() / "dev/com1"));
}

} // namespace
} // namespace vamo::loadsim::test
