// The serial port adapter over a pseudo-terminal: the test holds the master side and plays the controller.

#include "host/controller/frame.h"
#include "host/controller/poll_cycle.h"
#include "host/controller/receive_buffer.h"
#include "host/controller/serial_port.h"
#include "host/controller/serial_settings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace vamo::serial {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr int kWaitLimitMs = 5000;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// A pseudo-terminal in raw mode, its slave linked as <program folder>/dev/com1.
class PseudoTerminal {
public:
    PseudoTerminal() : master_(posix_openpt(O_RDWR | O_NOCTTY)) {
        if (master_.get() < 0 || grantpt(master_.get()) != 0 || unlockpt(master_.get()) != 0) {
            throw std::runtime_error("cannot create a pseudo-terminal");
        }
        slavePath_ = ptsname(master_.get());
        // Keep the slave open so that the master side stays usable before the adapter opens it.
        slave_ = std::make_unique<FileDescriptor>(::open(slavePath_.c_str(), O_RDWR | O_NOCTTY));
        termios mode{};
        if (slave_->get() < 0 || tcgetattr(slave_->get(), &mode) != 0) {
            throw std::runtime_error("cannot open the pseudo-terminal slave " + slavePath_);
        }
        cfmakeraw(&mode);
        tcsetattr(slave_->get(), TCSANOW, &mode);

        std::string pattern = (fs::temp_directory_path() / "vamo-serial-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        programFolder_ = pattern;
        fs::create_directory(programFolder_ / "dev");
        fs::create_symlink(slavePath_, programFolder_ / "dev" / "com1");
    }
    ~PseudoTerminal() {
        std::error_code ignored;
        fs::remove_all(programFolder_, ignored);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const fs::path& programFolder() const { return programFolder_; }

    void writeToHost(const Bytes& bytes) {
        ASSERT_EQ(::write(master_.get(), bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    // Reads what the host sent, running the event loop so that the adapter's queued bytes go out.
    Bytes readFromHost(std::size_t count) {
        Bytes received;
        QElapsedTimer clock;
        clock.start();
        while (received.size() < count && clock.elapsed() < kWaitLimitMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            pollfd ready{master_.get(), POLLIN, 0};
            if (::poll(&ready, 1, 10) > 0 && (ready.revents & POLLIN) != 0) {
                std::uint8_t chunk[64];
                const ssize_t n = ::read(master_.get(), chunk, sizeof chunk);
                if (n > 0) {
                    received.insert(received.end(), chunk, chunk + n);
                }
            }
        }
        return received;
    }

private:
    FileDescriptor master_;
    std::unique_ptr<FileDescriptor> slave_;
    std::string slavePath_;
    fs::path programFolder_;
};

class SerialPortAdapterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { application_ = new QCoreApplication(argc_, argv_); }
    static void TearDownTestSuite() {
        delete application_;
        application_ = nullptr;
    }

    // Runs the event loop until `done` holds or the wait limit passes.
    static void runEventsUntil(const std::function<bool()>& done) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < kWaitLimitMs) {
            QEventLoop loop;
            QTimer::singleShot(10, &loop, &QEventLoop::quit);
            loop.exec();
        }
    }

    static inline int argc_ = 1;
    static inline char argv0_[] = "serial_tests";
    static inline char* argv_[] = {argv0_, nullptr};
    static inline QCoreApplication* application_ = nullptr;
};

TEST_F(SerialPortAdapterTest, OpensCom1AndSendsAPollFrame) {
    PseudoTerminal terminal;
    SerialPortAdapter port([](const std::uint8_t*, std::size_t) {});
    port.open(controller::lineSettingsFrom(settings::SerialSettings{}), terminal.programFolder());
    ASSERT_TRUE(port.isOpen());
    EXPECT_EQ(port.devicePath(), terminal.programFolder() / "dev" / "com1");

    controller::PollCycle cycle;
    const controller::FrameBytes poll = cycle.send_next_frame();
    EXPECT_TRUE(port.write(poll.data(), poll.size()));
    EXPECT_EQ(terminal.readFromHost(11),
              (Bytes{0xA5, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x5A}));
}

TEST_F(SerialPortAdapterTest, HandsReceivedBytesToTheCallbackAsDeliveries) {
    PseudoTerminal terminal;
    std::vector<controller::MeasurementFrame> frames;
    controller::ReceiveBuffer buffer(
        [&](const controller::MeasurementFrame& frame) { frames.push_back(frame); });
    std::size_t delivered = 0;
    SerialPortAdapter port([&](const std::uint8_t* bytes, std::size_t count) {
        delivered += count;
        buffer.deliver(bytes, count);
    });
    settings::SerialSettings section;
    section.baudIndex = 4;
    port.open(controller::lineSettingsFrom(section), terminal.programFolder());

    terminal.writeToHost({0x01, 0xA5, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x01, 0xF4, 0x5A,
                          0xA5, 0x00, 0x00, 0x00, 0x02, 0x04, 0xFF, 0xFF, 0xFF, 0x9C, 0x5A});
    runEventsUntil([&] { return frames.size() >= 2; });

    EXPECT_EQ(delivered, 23u);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].type, controller::FrameType::Force);
    EXPECT_EQ(frames[0].value, 500);
    EXPECT_EQ(frames[1].type, controller::FrameType::LoadingSpeed);
    EXPECT_EQ(frames[1].value, -100);
}

TEST_F(SerialPortAdapterTest, OpeningAgainClosesFirstAndKeepsWorking) {
    PseudoTerminal terminal;
    SerialPortAdapter port([](const std::uint8_t*, std::size_t) {});
    const controller::LineSettings settings = controller::lineSettingsFrom(settings::SerialSettings{});
    port.open(settings, terminal.programFolder());
    port.open(settings, terminal.programFolder());
    const Bytes poll{0xA5, 0x00, 0x00, 0x00, 0x01, 0x04, 0x00, 0x00, 0x00, 0x00, 0x5A};
    port.write(poll.data(), poll.size());
    EXPECT_EQ(terminal.readFromHost(11), poll);
    port.close();
    EXPECT_FALSE(port.isOpen());
}

TEST_F(SerialPortAdapterTest, OpeningAMissingPortRaisesAnErrorNamingIt) {
    PseudoTerminal terminal;
    fs::create_symlink(terminal.programFolder() / "no-such-device",
                       terminal.programFolder() / "dev" / "com7");
    SerialPortAdapter port([](const std::uint8_t*, std::size_t) {});
    settings::SerialSettings section;
    section.port = 6;
    try {
        port.open(controller::lineSettingsFrom(section), terminal.programFolder());
        FAIL() << "opening a missing port succeeded";
    } catch (const SerialPortError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("COM7"), std::string::npos) << message;
        EXPECT_NE(message.find("dev/com7"), std::string::npos) << message;
    }
    EXPECT_FALSE(port.isOpen());
}

} // namespace
} // namespace vamo::serial
