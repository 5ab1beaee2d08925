#pragma once

// Helpers to run the real loadsim binary and talk to it over its line like a host does.

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace vamo::loadsim::test {

// A fresh directory under the temp folder, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The loadsim binary running with the given arguments; standard output on a pipe, standard
// error into a file. Killed on destruction if still running.
class LoadsimProcess {
public:
    LoadsimProcess(const std::vector<std::string>& arguments, const std::filesystem::path& stderrFile);
    LoadsimProcess(const LoadsimProcess&) = delete;
    LoadsimProcess& operator=(const LoadsimProcess&) = delete;
    ~LoadsimProcess();

    // The next line of standard output without its newline; none on timeout or end of output.
    std::optional<std::string> readLine(std::chrono::milliseconds timeout);
    // Everything standard output still gives until it closes (call after the process ended).
    std::string readRest();

    void sendSignal(int signal);
    // Exit status, or 128 + signal number when killed by a signal; none on timeout.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);

private:
    pid_t pid_ = -1;
    int stdoutFd_ = -1;
    std::string pending_;
};

struct FinishedRun {
    int exitStatus = -1;
    std::string standardOutput;
    std::string standardError;
};

// Runs loadsim to its end (for --help and bad command lines).
FinishedRun runLoadsim(const std::vector<std::string>& arguments, const TempDir& dir);

// One decoded measurement frame.
struct Measurement {
    std::uint8_t type = 0;
    std::int32_t hundredths = 0;
};

// The host's end of the line: opens the link with plain termios in raw mode, writes polls,
// and cuts measurement frames out of what comes back (dropping bytes until A5 00 .. 5A
// lines up, as the host does).
class HostLine {
public:
    explicit HostLine(const std::filesystem::path& path);
    HostLine(const HostLine&) = delete;
    HostLine& operator=(const HostLine&) = delete;
    ~HostLine();

    void sendPoll(std::uint8_t type);
    // The next measurement frame, or none when nothing complete arrives within the timeout.
    std::optional<Measurement> nextMeasurement(std::chrono::milliseconds timeout);

    std::size_t bytesReceived() const { return bytesReceived_; }
    std::size_t bytesDropped() const { return bytesDropped_; }

private:
    int fd_ = -1;
    std::vector<std::uint8_t> buffer_;
    std::size_t bytesReceived_ = 0;
    std::size_t bytesDropped_ = 0;
};

} // namespace vamo::loadsim::test
