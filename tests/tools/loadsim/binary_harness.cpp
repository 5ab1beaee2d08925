#include "tests/tools/loadsim/binary_harness.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <utility>

extern char** environ;

namespace vamo::loadsim::test {

namespace {

using Clock = std::chrono::steady_clock;

std::runtime_error failure(const std::string& what) {
    return std::runtime_error(what + ": " + std::strerror(errno));
}

int remainingMs(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "loadsim-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw failure("cannot create a temporary directory");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

LoadsimProcess::LoadsimProcess(const std::vector<std::string>& arguments,
                               const std::filesystem::path& stderrFile) {
    int stdoutPipe[2];
    if (::pipe(stdoutPipe) != 0) {
        throw failure("cannot create a pipe");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, stdoutPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, stdoutPipe[0]);
    posix_spawn_file_actions_addclose(&actions, stdoutPipe[1]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, stderrFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);

    std::vector<std::string> argumentTexts{LOADSIM_PATH};
    argumentTexts.insert(argumentTexts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : argumentTexts) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);

    const int error = ::posix_spawn(&pid_, LOADSIM_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(stdoutPipe[1]);
    stdoutFd_ = stdoutPipe[0];
    if (error != 0) {
        ::close(stdoutFd_);
        errno = error;
        throw failure(std::string("cannot start ") + LOADSIM_PATH);
    }
}

LoadsimProcess::~LoadsimProcess() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    ::close(stdoutFd_);
}

std::optional<std::string> LoadsimProcess::readLine(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (true) {
        if (const auto newline = pending_.find('\n'); newline != std::string::npos) {
            std::string line = pending_.substr(0, newline);
            pending_.erase(0, newline + 1);
            return line;
        }
        pollfd watched{stdoutFd_, POLLIN, 0};
        if (::poll(&watched, 1, remainingMs(deadline)) <= 0) {
            return std::nullopt;
        }
        char bytes[256];
        const ssize_t count = ::read(stdoutFd_, bytes, sizeof bytes);
        if (count <= 0) {
            return std::nullopt;
        }
        pending_.append(bytes, static_cast<std::size_t>(count));
    }
}

std::string LoadsimProcess::readRest() {
    std::string rest = std::exchange(pending_, {});
    char bytes[256];
    ssize_t count = 0;
    while ((count = ::read(stdoutFd_, bytes, sizeof bytes)) > 0) {
        rest.append(bytes, static_cast<std::size_t>(count));
    }
    return rest;
}

void LoadsimProcess::sendSignal(int signal) {
    ::kill(pid_, signal);
}

std::optional<int> LoadsimProcess::waitForExit(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (true) {
        int status = 0;
        const pid_t done = ::waitpid(pid_, &status, WNOHANG);
        if (done == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (Clock::now() >= deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

FinishedRun runLoadsim(const std::vector<std::string>& arguments, const TempDir& dir) {
    const auto stderrFile = dir.path() / "run-stderr";
    LoadsimProcess process(arguments, stderrFile);
    FinishedRun run;
    const auto status = process.waitForExit(std::chrono::seconds(10));
    if (!status) {
        throw std::runtime_error("loadsim did not end by itself");
    }
    run.exitStatus = *status;
    run.standardOutput = process.readRest();
    run.standardError = readFile(stderrFile);
    return run;
}

HostLine::HostLine(const std::filesystem::path& path)
    : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {
    if (fd_ < 0) {
        throw failure("cannot open " + path.string());
    }
    termios settings{};
    if (::tcgetattr(fd_, &settings) != 0) {
        throw failure("cannot read the settings of " + path.string());
    }
    ::cfmakeraw(&settings);
    if (::tcsetattr(fd_, TCSANOW, &settings) != 0) {
        throw failure("cannot make " + path.string() + " raw");
    }
}

HostLine::~HostLine() {
    ::close(fd_);
}

void HostLine::sendPoll(std::uint8_t type) {
    const std::uint8_t poll[] = {0xA5, 0x00, 0x00, 0x00, type, 0x04, 0x00, 0x00, 0x00, 0x00, 0x5A};
    if (::write(fd_, poll, sizeof poll) != static_cast<ssize_t>(sizeof poll)) {
        throw failure("cannot write a poll");
    }
}

std::optional<Measurement> HostLine::nextMeasurement(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (true) {
        while (buffer_.size() >= 11) {
            if (buffer_[0] != 0xA5 || buffer_[1] != 0x00 || buffer_[10] != 0x5A) {
                buffer_.erase(buffer_.begin());
                ++bytesDropped_;
                continue;
            }
            Measurement measurement;
            measurement.type = buffer_[4];
            const std::uint32_t bits = (std::uint32_t{buffer_[6]} << 24) | (std::uint32_t{buffer_[7]} << 16)
                                       | (std::uint32_t{buffer_[8]} << 8) | std::uint32_t{buffer_[9]};
            measurement.hundredths = static_cast<std::int32_t>(bits);
            buffer_.erase(buffer_.begin(), buffer_.begin() + 11);
            return measurement;
        }
        pollfd watched{fd_, POLLIN, 0};
        if (::poll(&watched, 1, remainingMs(deadline)) <= 0) {
            return std::nullopt;
        }
        std::uint8_t bytes[64];
        const ssize_t count = ::read(fd_, bytes, sizeof bytes);
        if (count == 0 || (count < 0 && errno != EAGAIN && errno != EINTR)) {
            return std::nullopt;
        }
        if (count > 0) {
            buffer_.insert(buffer_.end(), bytes, bytes + count);
            bytesReceived_ += static_cast<std::size_t>(count);
        }
    }
}

} // namespace vamo::loadsim::test
