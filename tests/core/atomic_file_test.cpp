#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "core/base/atomic_file.h"
#include "temp_folder.h"

namespace kalder::testing {
namespace {

namespace fs = std::filesystem;

// Nothing but the named entries may be left in the folder (no temporary file).
std::vector<std::string> entries(const TempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(AtomicFile, CreatesOrReplacesTheWholeFile) {
    TempFolder folder;
    ASSERT_TRUE(write_file_atomically(folder.file("a.txt"), "first\r\nlong content\r\n"));
    EXPECT_EQ(folder.read("a.txt"), "first\r\nlong content\r\n");
    ASSERT_TRUE(write_file_atomically(folder.file("a.txt"), "x"));
    EXPECT_EQ(folder.read("a.txt"), "x");
    ASSERT_TRUE(write_file_atomically(folder.file("a.txt"), ""));
    EXPECT_EQ(folder.read("a.txt"), "");
    EXPECT_EQ(entries(folder), std::vector<std::string>{"a.txt"});
}

TEST(AtomicFile, AFailureLeavesWhatWasThereAndNoTemporaryFile) {
    TempFolder folder;
    EXPECT_FALSE(write_file_atomically(folder.file("missing/a.txt"), "new"));
    EXPECT_TRUE(entries(folder).empty());

    // Running as root, permissions stop nothing: a folder in the way makes the rename fail.
    fs::create_directory(folder.path() / "taken");
    EXPECT_FALSE(write_file_atomically(folder.file("taken"), "new"));
    EXPECT_TRUE(fs::is_directory(folder.path() / "taken"));
    EXPECT_EQ(entries(folder), std::vector<std::string>{"taken"});

    // ... and a folder where the temporary file goes makes its creation fail.
    folder.write("b.txt", "old");
    const std::string temporary = "b.txt.new-" + std::to_string(getpid());
    fs::create_directory(folder.path() / temporary);
    EXPECT_FALSE(write_file_atomically(folder.file("b.txt"), "new"));
    EXPECT_EQ(folder.read("b.txt"), "old");
    EXPECT_TRUE(fs::is_directory(folder.path() / temporary));
}

TEST(AtomicFile, AReplacedFileKeepsItsPermissions) {
    TempFolder folder;
    folder.write("private.cfg", "old");
    fs::permissions(folder.path() / "private.cfg", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(write_file_atomically(folder.file("private.cfg"), "new"));
    EXPECT_EQ(fs::status(folder.path() / "private.cfg").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(AtomicFile, WritingThroughALinkUpdatesTheLinkedFile) {
    TempFolder folder;
    fs::create_directory(folder.path() / "real");
    folder.write("real/kalder.cfg", "old");
    fs::create_symlink(folder.path() / "real" / "kalder.cfg", folder.path() / "kalder.cfg");
    ASSERT_TRUE(write_file_atomically(folder.file("kalder.cfg"), "new"));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "kalder.cfg"));
    EXPECT_EQ(folder.read("real/kalder.cfg"), "new");
    EXPECT_EQ(entries(folder), (std::vector<std::string>{"kalder.cfg", "real"}));
}

}  // namespace
}  // namespace kalder::testing
