#include "core/base/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <set>

#include "core/appearance/config_file.h"
#include "core/collections/remove_line.h"
#include "core/game/collection_file.h"
#include "core/game/puzzle_line.h"
#include "core/scores/score_codec.h"
#include "core/scores/scores_box.h"
#include "fake_platform.h"
#include "temp_folder.h"

namespace kalder::testing {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;

Names entries(const TempFolder& folder) {
    Names names;
    for (const auto& entry : fs::directory_iterator(folder.path()))
        names.insert(entry.path().filename());
    return names;
}

std::string temporary(const std::string& name, pid_t pid = getpid()) {
    return name + ".new-" + std::to_string(pid);
}

// Creates or replaces the whole file, keeping its permissions and a link as a link, and follows
// no link planted at its temporary name; a failure (no folder, a folder in the way of the
// rename or of the temporary file; permissions stop nothing for root) leaves what was there.
TEST(AtomicFile, ReplacesTheWholeFileKeepingModeAndLinksOrLeavesWhatWasThere) {
    TempFolder folder;
    const fs::perms owner = fs::perms::owner_read | fs::perms::owner_write;
    folder.write("a.txt", "old\r\ncontent\r\n");
    folder.write("private.cfg", "old");
    fs::permissions(folder.path() / "private.cfg", owner);
    fs::create_directory(folder.path() / "real");
    folder.write("real/kalder.cfg", "old");
    fs::create_symlink(folder.path() / "real" / "kalder.cfg", folder.path() / "kalder.cfg");
    folder.write("victim", "precious");
    fs::create_symlink(folder.path() / "victim", folder.path() / temporary("private.cfg"));
    for (const char* name : {"a.txt", "private.cfg", "kalder.cfg"})
        ASSERT_TRUE(write_file_atomically(folder.file(name), name[0] == 'a' ? "" : "new")) << name;
    EXPECT_EQ(fs::status(folder.path() / "private.cfg").permissions(), owner);
    EXPECT_TRUE(fs::is_symlink(folder.path() / "kalder.cfg"));
    EXPECT_EQ(folder.read("real/kalder.cfg") + folder.read("private.cfg") + folder.read("victim"),
              "newnewprecious");
    fs::create_directory(folder.path() / "taken");
    fs::create_directory(folder.path() / temporary("a.txt"));
    for (const char* name : {"missing/a.txt", "taken", "a.txt"})
        EXPECT_FALSE(write_file_atomically(folder.file(name), "new")) << name;
    EXPECT_EQ(folder.read("a.txt"), "");
    EXPECT_EQ(entries(folder), (Names{"a.txt", temporary("a.txt"), "kalder.cfg", "private.cfg",
                                      "real", "taken", "victim"}));
}

// A stand-in for write() that plays a script: EINTR, a short write, no progress or an error.
std::vector<int> script;
std::string landed;
ssize_t scripted_write(int, const void* data, std::size_t size) {
    const int step = script.empty() ? static_cast<int>(size) : script.front();
    if (!script.empty()) script.erase(script.begin());
    if (step < 0) errno = -step;
    const std::size_t taken = std::min<std::size_t>(std::max(step, 0), size);
    landed.append(static_cast<const char*>(data), taken);
    return step < 0 ? -1 : static_cast<ssize_t>(taken);
}

TEST(AtomicFile, WritesOnAfterInterruptionsAndShortWritesButNotAfterErrors) {
    const std::pair<std::vector<int>, bool> cases[] = {
        {{-EINTR, -EINTR}, true}, {{3, 1, -EINTR, 2}, true}, {{4, 0}, false}, {{5, -EIO}, false}};
    for (const auto& [steps, whole] : cases) {
        script = steps;
        landed.clear();
        const bool written = write_all(-1, "0123456789", scripted_write);
        EXPECT_EQ(std::tuple(written, landed == "0123456789"), std::tuple(whole, whole))
            << ::testing::PrintToString(steps);
    }
}

// Runs `work` in a child process and kills it with SIGKILL a number of microseconds spread
// below `within` after the child calls the `ready` it is given (so slow set-up cannot eat the
// window), 200 times, calling `check` after each kill. Returns how many kills left a temporary
// file beside the targets, which `check` (going through start-up) must have cleared.
template <typename Work, typename Check>
int kill_repeatedly(const TempFolder& folder, int within, Work work, Check check) {
    int interrupted = 0;
    const std::size_t targets = entries(folder).size();
    for (int i = 0; i < 200; ++i) {
        int ready[2] = {-1, -1};
        EXPECT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        if (child == 0) {
            work([&] { (void)!write(ready[1], "!", 1); });
            _exit(0);
        }
        close(ready[1]);
        char byte;
        (void)!read(ready[0], &byte, 1);
        close(ready[0]);
        usleep(i * 7919 % within);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        interrupted += entries(folder).size() > targets ? 1 : 0;
        check();
        EXPECT_EQ(entries(folder).size(), targets) << "kill " << i;
    }
    return interrupted;
}

// Killed amid rewrites, the configuration and the score file are each the old or the new one
// whole, and the score totals never go back.
TEST(KillSafe, AKilledRewriteLeavesTheOldOrTheNewFileWhole) {
    const TempFolder folder(memory_folder());
    FakePlatform platform;
    platform.working = folder.slash();
    const auto silent = [](const std::string&, const std::string&) { return 1; };
    const Config configs[] = {{"xp.col", "first.kdr", 7}, {"blue.col", "second.kdr", 12345}};
    const auto save = [&](int i) {
        SavecfgFile(folder.slash(), configs[i % 2], silent, platform.local_time());
        return folder.read("kalder.cfg");
    };
    const std::string texts[] = {save(0), save(1)};
    folder.write("kalder.sco", EncodeScoreText("05Dec2026 0 0 0 0 ") + "\r\n");
    long long last = 0;
    const int interrupted = kill_repeatedly(
        folder, 1000,
        [&](const auto& ready) {
            ScoresBox box(platform);
            box.start();
            ready();
            for (int i = 0;; ++i) {
                save(i);
                box.set_WonSession(true);
            }
        },
        [&] {
            Config read;
            ReadcfgFile(folder.slash(), read, silent, platform.local_time());
            const std::string text = folder.read("kalder.cfg");
            EXPECT_TRUE(text == texts[0] || text == texts[1]) << text;
            ScoresBox box(platform);
            box.start();
            const std::string total = box.total(1), encoded = folder.read("kalder.sco");
            EXPECT_EQ(DecodeScoreText(encoded.substr(0, encoded.size() - 2)),
                      "05Dec2026 " + total + " " + total + " 0 0 ");
            EXPECT_GE(std::stoll(total), last);
            last = std::stoll(total);
        });
    EXPECT_GT(interrupted, 0);
}

TEST(KillSafe, AKilledAppendLeavesOnlyWholeLines) {
    const TempFolder folder(memory_folder());
    const std::string path = folder.file("f.kdr"), body = "121222332,020306010205040708";
    ASSERT_TRUE(AppendPuzzle(path, 3, body));
    kill_repeatedly(
        folder, 300,
        [&](const auto& ready) {
            ready();
            for (int i = 0; i < 3; ++i) AppendPuzzle(path, 3, body);
        },
        [&] {
            std::string whole;
            for (int n = 1, lines = CountLines(path); n <= lines; ++n)
                whole += format_puzzle_line(n, 3, body) + "\r\n";
            EXPECT_EQ(folder.read("f.kdr"), whole);
        });
}

// Killed amid deletes, the collection is the old or the new one whole: its last lines, in order.
// The clean-up at the next delete takes only the leftovers of this file by ended processes
// (this one's own id counts as ended), never those of a running one or names merely alike.
TEST(KillSafe, AKilledDeleteLeavesTheCollectionWholeAndItsLeftoverIsCleared) {
    const TempFolder folder(memory_folder());
    const std::string path = folder.file("c.kdr");
    std::string whole;
    for (int n = 1; n <= 40; ++n) whole += format_puzzle_line(n, 3, "1,2") + "\r\n";
    folder.write("c.kdr", whole);
    const pid_t ended = fork();
    if (ended == 0) _exit(0);
    waitpid(ended, nullptr, 0);
    for (const std::string& name :
         {temporary("c.kdr", getppid()), temporary("b.kdr", ended), std::string("c.kdr.new-12x")})
        folder.write(name, "kept");
    const auto deleting = [&](const auto& ready) {
        ready();
        while (remove_collection_line(path, 1)) continue;
    };
    const auto whole_or_shorter = [&] {
        folder.write(temporary("c.kdr"), "x");
        remove_stale_temporary_files(path);
        const std::string left = folder.read("c.kdr");
        EXPECT_TRUE(whole.ends_with(left) && left.size() % (whole.find('\n') + 1) == 0) << left;
        folder.write("c.kdr", whole);
    };
    EXPECT_GT(kill_repeatedly(folder, 1000, deleting, whole_or_shorter), 0);
}

// Run by a user who may write the folder but not read the file: root reads everything, so a
// root test run drops to "nobody" in the child process that plays.
TEST(ScoreFile, AnUnreadableFileIsNeverWrittenOverAndIsToldOnce) {
    TempFolder folder;
    const std::string stored = EncodeScoreText("01Jan2026 1000 900 0 100 ") + "\r\n";
    folder.write("kalder.sco", stored);
    fs::permissions(folder.path(), fs::perms::all);
    fs::permissions(folder.path() / "kalder.sco", fs::perms::none);
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && setuid(65534) != 0) _exit(2);
            FakePlatform platform;
            platform.working = folder.slash();
            ScoresBox box(platform);
            int told = 0;
            box.on_read_failed = box.on_write_failed = [&](const std::string&) { ++told; };
            box.start();
            box.set_WonSession(true);
            box.set_LostSession(true);
            _exit(told == 1 && box.total(1) == "2" && box.total(2) == "1" ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(folder.read("kalder.sco"), stored);
}

}  // namespace
}  // namespace kalder::testing
