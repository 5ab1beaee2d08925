#pragma once

#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace vamo::testing {

// A pseudo-terminal in raw mode whose slave end is linked at a path (for example <station>/dev/com1):
// the test holds the master end and plays the controller.
class PseudoTerminal {
public:
    using Bytes = std::vector<std::uint8_t>;

    explicit PseudoTerminal(const std::filesystem::path& link) : link_(link) {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
            throw std::runtime_error("cannot create a pseudo-terminal");
        }
        slavePath_ = ::ptsname(master_);
        // The slave stays open so that the master side keeps working while the host reopens it.
        slave_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY);
        termios mode{};
        if (slave_ < 0 || ::tcgetattr(slave_, &mode) != 0) {
            throw std::runtime_error("cannot open the pseudo-terminal slave " + slavePath_);
        }
        ::cfmakeraw(&mode);
        ::tcsetattr(slave_, TCSANOW, &mode);
        std::filesystem::create_directories(link_.parent_path());
        std::filesystem::remove(link_);
        std::filesystem::create_symlink(slavePath_, link_);
    }
    ~PseudoTerminal() {
        std::error_code ignored;
        std::filesystem::remove(link_, ignored);
        ::close(slave_);
        ::close(master_);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int master() const { return master_; }

    bool write(const Bytes& bytes) const {
        return ::write(master_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

    // What arrived from the host so far (does not wait).
    Bytes readAvailable() const {
        Bytes received;
        for (;;) {
            pollfd ready{master_, POLLIN, 0};
            if (::poll(&ready, 1, 0) <= 0 || (ready.revents & POLLIN) == 0) {
                return received;
            }
            std::uint8_t chunk[256];
            const ssize_t n = ::read(master_, chunk, sizeof chunk);
            if (n <= 0) {
                return received;
            }
            received.insert(received.end(), chunk, chunk + n);
        }
    }

private:
    std::filesystem::path link_;
    std::string slavePath_;
    int master_ = -1;
    int slave_ = -1;
};

} // namespace vamo::testing
