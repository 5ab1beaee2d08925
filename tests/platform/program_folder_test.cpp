#include "platform/program_folder.h"
#include "tests/platform/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vamo::platform {
namespace {

namespace fs = std::filesystem;

TEST(ProgramFolder, IsTheFolderOfTheExecutableNotTheWorkingDirectory) {
    test::TemporaryFolder elsewhere;
    const fs::path previous = fs::current_path();
    fs::current_path(elsewhere.path());
    const fs::path executable = executablePath();
    const fs::path folder = programFolder();
    fs::current_path(previous);

    EXPECT_TRUE(executable.is_absolute());
    EXPECT_EQ(executable.filename(), "platform_tests");
    EXPECT_EQ(folder, executable.parent_path());
    EXPECT_TRUE(fs::is_regular_file(folder / "platform_tests"));
    EXPECT_NE(folder, elsewhere.path());
}

} // namespace
} // namespace vamo::platform
