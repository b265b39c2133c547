#include "core/base/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <random>
#include <set>
#include <stdexcept>
#include <thread>

#include "core/app/form1.h"
#include "core/appearance/config_file.h"
#include "core/appearance/form2.h"
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

std::string own_temporary(const std::string& name) {
    return name + ".new-" + std::to_string(getpid());
}

// Creates or replaces the whole file; a failure (no folder, a folder in the way of the rename
// or of the temporary file; permissions stop nothing for root) leaves what was there.
TEST(AtomicFile, ReplacesTheWholeFileOrLeavesWhatWasThere) {
    TempFolder folder;
    for (const std::string content : {"first\r\nlong content\r\n", "x", ""}) {
        ASSERT_TRUE(write_file_atomically(folder.file("a.txt"), content));
        EXPECT_EQ(folder.read("a.txt"), content);
    }
    fs::create_directory(folder.path() / "taken");
    fs::create_directory(folder.path() / own_temporary("a.txt"));
    for (const char* name : {"missing/a.txt", "taken", "a.txt"}) {
        EXPECT_FALSE(write_file_atomically(folder.file(name), "new")) << name;
    }
    EXPECT_EQ(entries(folder), (Names{"a.txt", "taken", own_temporary("a.txt")}));
    EXPECT_EQ(folder.read("a.txt"), "");
}

TEST(AtomicFile, KeepsPermissionsAndLinksOfTheFileButFollowsNoLinkAtTheTemporaryName) {
    TempFolder folder;
    folder.write("private.cfg", "old");
    const fs::perms owner = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(folder.path() / "private.cfg", owner);
    fs::create_directory(folder.path() / "real");
    folder.write("real/kalder.cfg", "old");
    fs::create_symlink(folder.path() / "real" / "kalder.cfg", folder.path() / "kalder.cfg");
    folder.write("victim", "precious");
    fs::create_symlink(folder.path() / "victim", folder.path() / own_temporary("private.cfg"));
    ASSERT_TRUE(write_file_atomically(folder.file("private.cfg"), "new"));
    ASSERT_TRUE(write_file_atomically(folder.file("kalder.cfg"), "new"));
    EXPECT_EQ(fs::status(folder.path() / "private.cfg").permissions(), owner);
    EXPECT_TRUE(fs::is_symlink(folder.path() / "kalder.cfg"));
    EXPECT_EQ(folder.read("real/kalder.cfg") + folder.read("private.cfg") + folder.read("victim"),
              "newnewprecious");
    EXPECT_EQ(entries(folder), (Names{"kalder.cfg", "private.cfg", "real", "victim"}));
}

TEST(AtomicFile, StartUpCleanupRemovesOnlyTheLeftoversOfEndedProcesses) {
    TempFolder folder;
    const pid_t ended = fork();
    if (ended == 0) _exit(0);
    waitpid(ended, nullptr, 0);
    const std::string gone = "a.txt.new-" + std::to_string(ended);
    const Names kept = {"a.txt", "a.txt.new-" + std::to_string(getppid()), "a.txt.new-12x",
                        "a.txtnew-1", "b.txt.new-" + std::to_string(ended)};
    for (const std::string& name : kept) folder.write(name, "x");
    folder.write(gone, "x");
    folder.write(own_temporary("a.txt"), "x");
    remove_stale_temporary_files(folder.file("a.txt"));
    EXPECT_EQ(entries(folder), kept);
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
    landed.append(static_cast<const char*>(data), std::min<std::size_t>(step, size));
    return std::min<ssize_t>(step, size);
}

TEST(AtomicFile, WritesOnAfterInterruptionsAndShortWritesButNotAfterErrors) {
    const std::pair<std::vector<int>, bool> cases[] = {
        {{}, true},      {{-EINTR, -EINTR}, true}, {{3, 1, -EINTR, 2}, true},
        {{4, 0}, false}, {{-ENOSPC}, false},       {{5, -EIO}, false},
    };
    for (const auto& [steps, whole] : cases) {
        script = steps;
        landed.clear();
        EXPECT_EQ(write_all(-1, "0123456789", scripted_write), whole)
            << ::testing::PrintToString(steps);
        EXPECT_EQ(landed == "0123456789", whole);
    }
}

// Runs `work` in a child process and kills it with SIGKILL a random number of microseconds
// below `within` after the child calls the `ready` it is given (so slow set-up cannot eat the
// window), 200 times, calling `check` after each kill. Returns how many kills left a temporary
// file beside the targets, which `check` (going through start-up) must have cleared.
template <typename Work, typename Check>
int kill_repeatedly(const TempFolder& folder, int within, Work work, Check check) {
    std::mt19937 random(within);
    int interrupted = 0;
    const std::size_t targets = entries(folder).size();
    for (int i = 0; i < 200; ++i) {
        int ready[2];
        if (pipe(ready) != 0) throw std::runtime_error("pipe");
        const pid_t child = fork();
        if (child == 0) {
            work([&] { (void)!write(ready[1], "!", 1); });
            _exit(0);
        }
        close(ready[1]);
        char byte;
        (void)!read(ready[0], &byte, 1);
        close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % within));
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
    std::string texts[2];
    for (int i : {1, 0}) {
        SavecfgFile(folder.slash(), configs[i], silent, platform.local_time());
        texts[i] = folder.read("kalder.cfg");
    }
    folder.write("kalder.sco", EncodeScoreText("05Dec2026 0 0 0 0 ") + "\r\n");
    long long last = 0;
    const int interrupted = kill_repeatedly(
        folder, 1000,
        [&](const auto& ready) {
            ScoresBox box(platform);
            box.start();
            ready();
            for (int i = 0;; ++i) {
                SavecfgFile(folder.slash(), configs[i % 2], silent, platform.local_time());
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

// Killed amid the Options dialog's Replace, the scheme store is the old or the new one whole,
// and the next start-up clears the rewrite's leftover.
TEST(KillSafe, AKilledSchemeReplaceLeavesTheOldOrTheNewStoreWhole) {
    const TempFolder folder(memory_folder());
    FakePlatform platform;
    platform.folder = platform.working = folder.slash();
    SchemeTable tables[2] = {{}, {}};
    tables[1].fill(RGB(9, 99, 199));
    std::string stores[2];
    for (int i : {1, 0}) stores[i] = store_text(scheme_block("xp.col", tables[i]));
    folder.write("all.col", stores[0]);
    folder.write("puzzles.kdr", format_puzzle_line(1, 3, "121222332,020306010205040708") + "\r\n");
    Random random{1};
    Form1(platform, random).Form_Load();
    const int interrupted = kill_repeatedly(
        folder, 1000,
        [&](const auto& ready) {
            Form1 form(platform, random);
            form.Form_Load();
            form.form2.ListIndex = 0;
            ready();
            for (int i = 1;; ++i) {
                form.ColourTable = tables[i % 2];
                platform.system_answers = {6, 1};
                form.form2.RepSch_MouseUp();
            }
        },
        [&] {
            Form1(platform, random).Form_Load();
            const std::string text = folder.read("all.col");
            EXPECT_TRUE(text == stores[0] || text == stores[1]) << text;
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
TEST(KillSafe, AKilledDeleteLeavesTheCollectionWhole) {
    const TempFolder folder(memory_folder());
    const std::string path = folder.file("c.kdr");
    std::string whole;
    for (int n = 1; n <= 40; ++n) whole += format_puzzle_line(n, 3, "1,2") + "\r\n";
    folder.write("c.kdr", whole);
    const auto deleting = [&](const auto& ready) {
        ready();
        while (remove_collection_line(path, 1)) continue;
    };
    const auto whole_or_shorter = [&] {
        remove_stale_temporary_files(path);
        const std::string left = folder.read("c.kdr");
        EXPECT_TRUE(whole.ends_with(left) && left.size() % (whole.find('\n') + 1) == 0) << left;
        folder.write("c.kdr", whole);
    };
    EXPECT_GT(kill_repeatedly(folder, 1000, deleting, whole_or_shorter), 0);
}

// Run by a user who may write the folder but not read the file: root reads everything, so a
// root test run drops to "nobody" in the child process it runs this in.
int count_with_an_unreadable_file(const TempFolder& folder) {
    if (geteuid() == 0 && setuid(65534) != 0) return 2;
    FakePlatform platform;
    platform.working = folder.slash();
    ScoresBox box(platform);
    int told = 0;
    box.on_read_failed = [&](const std::string&) { ++told; };
    box.on_write_failed = [&](const std::string&) { ++told; };
    box.start();
    box.set_WonSession(true);
    box.set_LostSession(true);
    return told == 1 && box.total(1) == "2" && box.total(2) == "1" ? 0 : 1;
}

TEST(ScoreFile, AnUnreadableFileIsNeverWrittenOverAndIsToldOnce) {
    TempFolder folder;
    const std::string stored = EncodeScoreText("01Jan2026 1000 900 0 100 ") + "\r\n";
    folder.write("kalder.sco", stored);
    chmod(folder.path().c_str(), 0777);
    chmod(folder.file("kalder.sco").c_str(), 0);
    EXPECT_EXIT(std::exit(count_with_an_unreadable_file(folder)), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(folder.read("kalder.sco"), stored);
}

}  // namespace
}  // namespace kalder::testing
