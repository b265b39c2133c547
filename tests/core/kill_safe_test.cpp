#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <thread>

#include "core/appearance/config_file.h"
#include "core/game/collection_file.h"
#include "core/game/puzzle_line.h"
#include "core/scores/score_codec.h"
#include "core/scores/scores_box.h"
#include "fake_platform.h"
#include "temp_folder.h"

namespace kalder::testing {
namespace {

// Runs `work` in a child process and kills it with SIGKILL a random number of microseconds
// below `within` after the child calls the `ready` it is given (so slow set-up cannot eat the
// window), `kills` times, calling `check` after each kill. Returns how many kills left a
// temporary file beside the target, which `check` (going through start-up) must have cleared.
template <typename Work, typename Check>
int kill_repeatedly(const TempFolder& folder, int kills, int within, Work work, Check check) {
    std::mt19937 random(kills);
    int interrupted = 0;
    for (int i = 0; i < kills; ++i) {
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
        const auto files = [&] {
            return std::distance(std::filesystem::directory_iterator(folder.path()), {});
        };
        interrupted += files() > 1 ? 1 : 0;
        check();
        EXPECT_EQ(files(), 1) << "kill " << i;
    }
    return interrupted;
}

constexpr int Kills = 200;

TEST(KillSafe, AKilledConfigurationRewriteLeavesTheOldOrTheNewFileWhole) {
    const TempFolder folder(memory_folder());
    const FakePlatform platform;
    const auto silent = [](const std::string&, const std::string&) { return 1; };
    const Config configs[] = {{"xp.col", "first.kdr", 7}, {"blue.col", "second.kdr", 12345}};
    std::string texts[2];
    for (int i : {1, 0}) {
        SavecfgFile(folder.slash(), configs[i], silent, platform.local_time());
        texts[i] = folder.read("kalder.cfg");
    }
    const int interrupted = kill_repeatedly(
        folder, Kills, 1000,
        [&](const auto& ready) {
            ready();
            for (int i = 0;; ++i)
                SavecfgFile(folder.slash(), configs[i % 2], silent, platform.local_time());
        },
        [&] {
            Config read;
            ReadcfgFile(folder.slash(), read, silent, platform.local_time());
            const std::string text = folder.read("kalder.cfg");
            EXPECT_TRUE(text == texts[0] || text == texts[1]) << text;
        });
    EXPECT_GT(interrupted, 0);
}

TEST(KillSafe, AKilledScoreFileRewriteLeavesTheOldOrTheNewTotalsWhole) {
    const TempFolder folder(memory_folder());
    FakePlatform platform;
    platform.working = folder.slash();
    folder.write("kalder.sco", EncodeScoreText("05Dec2026 0 0 0 0 ") + "\r\n");
    long long last = 0;
    const int interrupted = kill_repeatedly(
        folder, Kills, 1000,
        [&](const auto& ready) {
            ScoresBox box(platform);
            box.start();
            ready();
            for (;;) box.set_WonSession(true);
        },
        [&] {
            ScoresBox box(platform);
            box.start();
            const std::string total = box.total(1);
            const std::string encoded = folder.read("kalder.sco");
            EXPECT_EQ(DecodeScoreText(encoded.substr(0, encoded.size() - 2)),
                      "05Dec2026 " + total + " " + total + " 0 0 ");
            EXPECT_GE(std::stoll(total), last);
            last = std::stoll(total);
        });
    EXPECT_GT(interrupted, 0);
}

TEST(KillSafe, AKilledAppendLeavesOnlyWholeLines) {
    const TempFolder folder(memory_folder());
    const std::string path = folder.file("f.kdr");
    const std::string body = "121222332,020306010205040708";
    ASSERT_TRUE(AppendPuzzle(path, 3, body));
    kill_repeatedly(
        folder, Kills, 300,
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

}  // namespace
}  // namespace kalder::testing
