#include "platform/file_io.h"
#include "platform/platform_error.h"
#include "tests/platform/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace vamo::platform {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TemporaryFolder;
using test::writeBytes;

std::size_t entriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(FileIo, ReadingAMissingFileGivesNothing) {
    TemporaryFolder folder;
    EXPECT_EQ(readFileIfExists(folder / "missing.ini"), std::nullopt);
    writeBytes(folder / "present.ini", std::string("a\0b", 3));
    EXPECT_EQ(readFileIfExists(folder / "present.ini"), std::string("a\0b", 3));
}

TEST(FileIo, ReadingSomethingThatIsNoFileIsAnError) {
    TemporaryFolder folder;
    fs::create_directory(folder / "folder.ini");
    EXPECT_THROW(readFileIfExists(folder / "folder.ini"), FileError);
}

TEST(FileIo, AtomicWriteReplacesTheContentAndLeavesNoTemporaryFile) {
    TemporaryFolder folder;
    const fs::path file = folder / "sys_set.ini";
    writeFileAtomically(file, "first");
    EXPECT_EQ(readBytes(file), "first");
    writeBytes(file, "a much longer old content that must not leave a tail behind");
    writeFileAtomically(file, "second");
    EXPECT_EQ(readBytes(file), "second");
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST(FileIo, AtomicWriteKeepsThePermissions) {
    TemporaryFolder folder;
    const fs::path file = folder / "pz_set.ini";
    writeBytes(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    writeFileAtomically(file, "new");
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(FileIo, AtomicWriteFollowsASymbolicLink) {
    TemporaryFolder folder;
    const fs::path target = folder / "real.ini";
    const fs::path link = folder / "link.ini";
    writeBytes(target, "old");
    fs::create_symlink(target, link);
    writeFileAtomically(link, "new");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(target), "new");
}

TEST(FileIo, AtomicWriteIntoAMissingFolderFailsAndCreatesNothing) {
    TemporaryFolder folder;
    EXPECT_THROW(writeFileAtomically(folder / "shangchuan" / "pz_set.ini", "x"), FileError);
    EXPECT_FALSE(fs::exists(folder / "shangchuan"));
}

TEST(FileIo, AFailedReplaceLeavesNoTemporaryFile) {
    TemporaryFolder folder;
    const fs::path occupied = folder / "sys_set.ini";
    fs::create_directory(occupied); // rename cannot put a file over a folder
    writeBytes(occupied / "inside", "kept");
    EXPECT_THROW(writeFileAtomically(occupied, "new"), FileError);
    EXPECT_EQ(entriesIn(folder.path()), 1u);
    EXPECT_EQ(readBytes(occupied / "inside"), "kept");
}

} // namespace
} // namespace vamo::platform
