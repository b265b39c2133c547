#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <set>

#include "core/base/atomic_file.h"
#include "temp_folder.h"

namespace kalder::testing {
namespace {

namespace fs = std::filesystem;

using Names = std::set<std::string>;

Names entries(const TempFolder& folder) {
    Names names;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

std::string own_temporary(const std::string& name) {
    return name + ".new-" + std::to_string(getpid());
}

TEST(AtomicFile, CreatesOrReplacesTheWholeFile) {
    TempFolder folder;
    for (const std::string content : {"first\r\nlong content\r\n", "x", ""}) {
        ASSERT_TRUE(write_file_atomically(folder.file("a.txt"), content));
        EXPECT_EQ(folder.read("a.txt"), content);
    }
    EXPECT_EQ(entries(folder), Names{"a.txt"});
}

TEST(AtomicFile, AFailureLeavesWhatWasThereAndNoTemporaryFile) {
    TempFolder folder;
    EXPECT_FALSE(write_file_atomically(folder.file("missing/a.txt"), "new"));
    EXPECT_TRUE(entries(folder).empty());

    // Running as root, permissions stop nothing: a folder in the way makes the rename fail.
    fs::create_directory(folder.path() / "taken");
    EXPECT_FALSE(write_file_atomically(folder.file("taken"), "new"));
    EXPECT_EQ(entries(folder), Names{"taken"});

    // ... and a folder where the temporary file goes makes its creation fail.
    folder.write("b.txt", "old");
    fs::create_directory(folder.path() / own_temporary("b.txt"));
    EXPECT_FALSE(write_file_atomically(folder.file("b.txt"), "new"));
    EXPECT_EQ(folder.read("b.txt"), "old");
}

TEST(AtomicFile, KeepsPermissionsAndLinksOfTheFileButFollowsNoLinkAtTheTemporaryName) {
    TempFolder folder;
    folder.write("private.cfg", "old");
    fs::permissions(folder.path() / "private.cfg", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(write_file_atomically(folder.file("private.cfg"), "new"));
    EXPECT_EQ(fs::status(folder.path() / "private.cfg").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);

    fs::create_directory(folder.path() / "real");
    folder.write("real/kalder.cfg", "old");
    fs::create_symlink(folder.path() / "real" / "kalder.cfg", folder.path() / "kalder.cfg");
    ASSERT_TRUE(write_file_atomically(folder.file("kalder.cfg"), "new"));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "kalder.cfg"));
    EXPECT_EQ(folder.read("real/kalder.cfg"), "new");

    // A link planted where the temporary file goes must not carry the content elsewhere.
    folder.write("victim", "precious");
    fs::create_symlink(folder.path() / "victim", folder.path() / own_temporary("private.cfg"));
    ASSERT_TRUE(write_file_atomically(folder.file("private.cfg"), "newer"));
    EXPECT_EQ(folder.read("victim"), "precious");
    EXPECT_EQ(folder.read("private.cfg"), "newer");
    EXPECT_EQ(entries(folder), (Names{"kalder.cfg", "private.cfg", "real", "victim"}));
}

TEST(AtomicFile, StartUpCleanupRemovesOnlyTheLeftoversOfEndedProcesses) {
    TempFolder folder;
    const pid_t ended = fork();
    if (ended == 0) _exit(0);
    waitpid(ended, nullptr, 0);
    const std::string ended_pid = std::to_string(ended);
    const std::string running_pid = std::to_string(getppid());
    for (const std::string& name : std::vector<std::string>{
             "a.txt", "a.txt.new-" + ended_pid, own_temporary("a.txt"), "a.txt.new-" + running_pid,
             "a.txt.new-12x", "a.txtnew-1", "b.txt.new-" + ended_pid}) {
        folder.write(name, "x");
    }
    remove_stale_temporary_files(folder.file("a.txt"));
    EXPECT_EQ(entries(folder), (Names{"a.txt", "a.txt.new-" + running_pid, "a.txt.new-12x",
                                      "a.txtnew-1", "b.txt.new-" + ended_pid}));
}

// A stand-in for write() that plays a script: EINTR, a short write, no progress or an error.
std::vector<int> script;
std::string landed;
ssize_t scripted_write(int, const void* data, std::size_t size) {
    const int step = script.empty() ? static_cast<int>(size) : script.front();
    if (!script.empty()) script.erase(script.begin());
    if (step < 0) {
        errno = -step;
        return -1;
    }
    const std::size_t n = std::min<std::size_t>(step, size);
    landed.append(static_cast<const char*>(data), n);
    return static_cast<ssize_t>(n);
}

TEST(AtomicFile, WritesOnAfterInterruptionsAndShortWritesButNotAfterErrors) {
    const struct {
        std::vector<int> script;
        bool whole;
    } cases[] = {
        {{}, true},      {{-EINTR, -EINTR}, true}, {{3, 1, -EINTR, 2}, true},
        {{4, 0}, false}, {{-ENOSPC}, false},       {{5, -EIO}, false},
    };
    for (const auto& c : cases) {
        script = c.script;
        landed.clear();
        EXPECT_EQ(write_all(-1, "0123456789", scripted_write), c.whole)
            << ::testing::PrintToString(c.script);
        EXPECT_EQ(landed == "0123456789", c.whole);
    }
}

}  // namespace
}  // namespace kalder::testing
