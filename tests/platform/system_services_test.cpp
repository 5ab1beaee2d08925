#include "platform/dynamic_library.h"
#include "platform/process.h"
#include "platform/shared_memory.h"
#include "platform/single_instance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/mman.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vamo::platform {
namespace {

namespace fs = std::filesystem;

struct TempFolder {
    fs::path path;
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "vamo-platform-XXXXXX").string();
        path = ::mkdtemp(pattern.data());
    }
    ~TempFolder() { fs::remove_all(path); }
};

// Runs `body` in a child process that holds what it acquired until it is killed; returns its pid once
// it reported that it is ready.
template <typename Body>
pid_t childHolding(Body body) {
    int ready[2];
    EXPECT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ready[0]);
        auto held = body();
        const char byte = held ? '1' : '0';
        [[maybe_unused]] auto written = ::write(ready[1], &byte, 1);
        for (;;) {
            ::pause();
        }
    }
    ::close(ready[1]);
    char byte = 0;
    EXPECT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_EQ(byte, '1');
    ::close(ready[0]);
    return child;
}

void killAndReap(pid_t child, int signal) {
    ::kill(child, signal);
    int status = 0;
    ::waitpid(child, &status, 0);
}

TEST(SingleInstanceLock, SecondInstanceIsRefusedWhileTheFirstRunsAndAKilledOneBlocksNothing) {
    TempFolder runtime;
    ::setenv("XDG_RUNTIME_DIR", runtime.path.c_str(), 1);
    const std::string name = "vamo-test-instance";
    const pid_t first = childHolding([&] { return SingleInstanceLock::acquire(name); });

    EXPECT_EQ(SingleInstanceLock::acquire(name), nullptr) << "a second start is refused";
    EXPECT_EQ(SingleInstanceLock::acquire(name), nullptr) << "and a third";
    EXPECT_EQ(::kill(first, 0), 0) << "the first instance keeps running";

    killAndReap(first, SIGKILL);
    auto next = SingleInstanceLock::acquire(name);
    EXPECT_NE(next, nullptr) << "a killed instance leaves no marker behind";
    next->release();
    EXPECT_NE(SingleInstanceLock::acquire(name), nullptr);
    ::unsetenv("XDG_RUNTIME_DIR");
}

TEST(SharedMemoryRegion, ZeroFilledWhileItLivesAndRemovedAfterwards) {
    const std::string name = "vamo-test-region";
    {
        auto region = SharedMemoryRegion::create(name, 256);
        const auto* bytes = static_cast<const unsigned char*>(region->data());
        EXPECT_EQ(region->size(), 256u);
        EXPECT_TRUE(std::all_of(bytes, bytes + 256, [](unsigned char b) { return b == 0; }));
        const int fd = ::shm_open(("/" + name).c_str(), O_RDONLY, 0);
        EXPECT_GE(fd, 0) << "other programs can open it by name";
        ::close(fd);
    }
    EXPECT_LT(::shm_open(("/" + name).c_str(), O_RDONLY, 0), 0);
}

TEST(StartDetached, ResultCodesOfTheShell) {
    TempFolder folder;
    EXPECT_EQ(startDetached(folder.path / "uplink"), start_result::fileNotFound);
    EXPECT_EQ(startDetached(folder.path / "missing" / "uplink"), start_result::pathNotFound);

    const auto text = folder.path / "notes";
    std::ofstream(text) << "not a program\n";
    EXPECT_EQ(startDetached(text), start_result::accessDenied) << "no execute permission";
    fs::permissions(text, fs::perms::owner_exec, fs::perm_options::add);
    EXPECT_EQ(startDetached(text), start_result::badExecutable);

    const auto program = folder.path / "datasave";
    const auto marker = folder.path / "started";
    std::ofstream(program) << "#!/bin/sh\ntouch '" << marker.string() << "'\n";
    fs::permissions(program, fs::perms::owner_all);
    EXPECT_GT(startDetached(program), 32);
    for (int i = 0; i < 100 && !fs::exists(marker); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(fs::exists(marker)) << "the program ran, not waited for";
}

TEST(DynamicLibrary, MissingLibraryAndMissingSymbol) {
    std::string error;
    EXPECT_EQ(DynamicLibrary::load("/nonexistent/conccomp.so", &error), nullptr);
    EXPECT_FALSE(error.empty());
    auto math = DynamicLibrary::load("libm.so.6");
    ASSERT_NE(math, nullptr);
    EXPECT_NE(math->symbol("cos"), nullptr);
    EXPECT_EQ(math->symbol("ModalShow"), nullptr);
    EXPECT_EQ(librarySuffix(), ".so");
}

} // namespace
} // namespace vamo::platform
