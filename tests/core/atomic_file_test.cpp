#include "core/base/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>

#include "core/base/data_folder.h"
#include "core/base/whole_file.h"
#include "core/files/collection_file.h"
#include "core/files/config_file.h"
#include "core/files/score_codec.h"
#include "form1_fixture.h"

// The game's own files: rewritten whole, read back or replaced by defaults, found in the folder
// they belong in.
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

long open_descriptors() {
    return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
}

// Creates or replaces the whole file, keeping its permissions and a link as a link, and follows
// no link planted at its temporary name; a failure (no folder, a folder in the way of the
// rename or of the temporary file; permissions stop nothing for root) leaves what was there.
// No descriptor stays open: the game writes at every move.
TEST(AtomicFile, ReplacesTheWholeFileKeepingModeAndLinksOrLeavesWhatWasThere) {
    TempFolder folder;
    const long descriptors = open_descriptors();
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
    folder.write("name999999999", "");  // no leftover of its own, though it ends in digits
    remove_stale_temporary_files(folder.file("name999999999"));
    EXPECT_EQ(entries(folder), (Names{"a.txt", temporary("a.txt"), "kalder.cfg", "name999999999",
                                      "private.cfg", "real", "taken", "victim"}));
    EXPECT_EQ(open_descriptors(), descriptors);
#ifndef __EMSCRIPTEN__  // the browser has no /proc
    // A file whose size is not known ahead (0 for /proc's) is read whole.
    std::ifstream stream("/proc/self/cmdline", std::ios::binary);
    EXPECT_EQ(read_whole_file("/proc/self/cmdline"),
              std::string(std::istreambuf_iterator<char>(stream), {}));
#endif
}

// A blank scheme is the default one; blanks around a name go; a comma ends the scheme name (the
// rest of its line is the collection), quotes keep commas and line ends; a number that is no number
// reads as 0. A file that cannot be read falls back to the defaults, is told and written anew;
// where nothing can be written the defaults stay in memory and each attempt tells once.
TEST_F(Form1Test, TheConfigurationFileGivesTheThreeSettingsOrTheDefaultsAndTellsWhy) {
    platform.clock_seconds = 14 * 3600 + 2 * 60 + 31;
    std::vector<std::string> messages;
    const MessageFn record = [&](const std::string& text, const std::string& style) {
        messages.push_back(style + ": " + text);
        return 1;
    };
    const auto read = [&](const std::string& folder_path) {
        Config config{"old", "old", 99};
        ReadcfgFile(folder_path, config, record, platform.local_time());
        return std::tuple(config.SchemeName, config.CollectionPath, config.PuzzleNumber);
    };
    // The file, then what it reads as; no scheme: the file cannot be read.
    const std::tuple<const char*, const char*, const char*, int> cases[] = {
        {"stamp\n  \n/home/p/mine.kdr\n 3 \n", "default.col", "/home/p/mine.kdr", 3},
        {"stamp\r\nxp.col\r\npuzzles.kdr\r\nseventeen\r\n", "xp.col", "puzzles.kdr", 0},
        {"stamp\r\n  \"my, scheme.col\"\r\na, b.kdr\r\n -4 \r\n", "my, scheme.col", "a, b.kdr", -4},
        {"stamp\r\nxp.col\r\npuzzles.kdr\r\n 2147483647 \r\n", "xp.col", "puzzles.kdr", INT_MAX},
        {"stamp\r\nxp.col\r\npuzzles.kdr\r\n-2147483648\r\n", "xp.col", "puzzles.kdr", INT_MIN},
        {"stamp\r\n  xp.col  ,rest.kdr\r\n 5 \r\nignored\r\n", "xp.col", "rest.kdr", 5},
        {"", nullptr, nullptr, 1},
        {"stamp\r\nxp.col\r\npuzzles.kdr\r\n", nullptr, nullptr, 1},
        {"stamp\r\nxp.col\r\npuzzles.kdr\r\n -99999999999 \r\n", nullptr, nullptr, 1},
        {"stamp\r\n\"xp.col", nullptr, nullptr, 1},
    };
    const std::string written = "12-05-2026 14:02:31\r\nxp.col\r\npuzzles.kdr\r\n 1 \r\n";
    for (const auto& [file, scheme, collection, number] : cases) {
        messages.clear();
        folder.write("kalder.cfg", file);
        const bool bad = scheme == nullptr;
        EXPECT_EQ(read(folder.slash()),
                  std::tuple(bad ? "xp.col" : scheme, bad ? "puzzles.kdr" : collection, number))
            << file;
        EXPECT_EQ(messages.size(), bad ? 1u : 0u) << file;
        EXPECT_EQ(folder.read("kalder.cfg"), bad ? written : file);
    }
    EXPECT_EQ(messages, std::vector<std::string>{
                            "vbcritical+vbok: Configuration file:\r\n" + folder.file("kalder.cfg") +
                            "\r\ncould not be accessed, new file will be created"});
    // Whatever scheme name the reader gives, written back it reads the same.
    for (const std::string name : {"a\r\nb.col", " lead.col", "trail.col ", "a, b.col", "a\"b"}) {
        SavecfgFile(folder.slash(), Config{name, "c.kdr", 2}, record, platform.local_time());
        EXPECT_EQ(read(folder.slash()), std::tuple(name, "c.kdr", 2)) << name;
    }
    messages.clear();
    const std::string nowhere = folder.file("no/such/folder/");
    EXPECT_EQ(read(nowhere), std::tuple("xp.col", "puzzles.kdr", 1));
    SavecfgFile(nowhere, Config{"a.col", "b.kdr", 3}, record, platform.local_time());
    const std::string unsaved = "vbok+vberror: Configuration file:\r\n" + nowhere +
                                "kalder.cfg\r\ncould not be accessed, options not saved";
    EXPECT_EQ(messages, std::vector<std::string>(2, unsaved));
}

// In the browser no other process shares the game's files, so a leftover named for one is stale.
#ifdef __EMSCRIPTEN__
constexpr bool OtherProcessesRun = false;
#else
constexpr bool OtherProcessesRun = true;
#endif

// A writable build tree keeps everything, the score file staying in the working folder; a
// read-only one sends the files to the user's data folder, seeded once (the player's copies are
// never seeded over, the help page follows the installed one), where the game starts quietly on
// the shipped configuration and keeps its score file; with nowhere to write the program folder
// serves. Start-up clears the temporary files killed rewrites of the game's files left in both
// folders, but not those of a running copy or of other files.
TEST_F(Form1Test, TheProgramFolderServesUnlessReadOnlyThenTheSeededUserDataFolderOrShare) {
    folder.write("puzzles.kdr", puzzle_line(1, 3, SampleBody));
    folder.write("kalder.cfg", *read_whole_file(std::string(KALDER_SHIPPED_DATA) + "kalder.cfg"));
    platform.user_data = folder.file("home/.local/share/kalder");
    const auto data_file = [&](const std::string& name) {
        return folder.read("home/.local/share/kalder/" + name);
    };
    EXPECT_EQ(choose_data_folder(platform), folder.slash());
    EXPECT_FALSE(fs::exists(platform.user_data));
    platform.working = folder.file("started-here/");
    fs::create_directory(platform.working);
    const std::string score_leftover = platform.working + temporary("kalder.sco", 999999999);
    folder.write("started-here/" + temporary("kalder.sco", 999999999), "x");
    restart();
    EXPECT_TRUE(fs::remove(platform.working + "kalder.sco") && !fs::exists(score_leftover));
    platform.read_only_folders = {folder.slash()};
    folder.write("kalder.htm", "<p>old help</p>");
    EXPECT_EQ(choose_data_folder(platform), platform.user_data + "/");
    EXPECT_EQ(data_file("all.col") + data_file("puzzles.kdr"),
              XpSchemeBlock + puzzle_line(1, 3, SampleBody));
    const std::string mine = puzzle_line(SampleBody, 7);
    folder.write("home/.local/share/kalder/puzzles.kdr", mine);
    folder.write("puzzles.kdr", "shipped anew\r\n");
    folder.write("kalder.htm", "<p>new help</p>");
    choose_data_folder(platform);
    EXPECT_EQ(data_file("puzzles.kdr") + data_file("kalder.htm"), mine + "<p>new help</p>");
    const std::string live = temporary("puzzles.kdr", getppid());
    for (const std::string& name :
         {temporary(KeptPlaceFile, 999999999), temporary("mine.kdr", 999999998),
          temporary("notes", 999999999), live, std::string("a.kdr.new-"),
          std::string("a.kdr.new-12x"), temporary("a.kdr", 1234567890)}) {
        folder.write(name, "x");
        folder.write("home/.local/share/kalder/" + name, "x");
    }
    restart();
    const std::string data = platform.user_data + "/";
    EXPECT_EQ(std::tuple(form->ProgramFolder, form->CollectionPath, form->TempCollectionPath,
                         platform.message_texts(), form->Score1.score_file_path()),
              std::tuple(data, data + "puzzles.kdr", data + "kaldertemp.tmp",
                         std::vector<std::string>{}, data + "kalder.sco"));
    EXPECT_EQ(data_file("kalder.cfg"), folder.read("kalder.cfg"));
    EXPECT_TRUE(fs::exists(data + "kalder.sco") && !fs::exists(platform.working + "kalder.sco"));
    for (const std::string& leftovers : {folder.slash(), data}) {
        EXPECT_EQ(std::tuple(fs::exists(leftovers + temporary(KeptPlaceFile, 999999999)),
                             fs::exists(leftovers + temporary("mine.kdr", 999999998)),
                             fs::exists(leftovers + temporary("notes", 999999999)),
                             fs::exists(leftovers + live),
                             fs::exists(leftovers + "a.kdr.new-") &&
                                 fs::exists(leftovers + "a.kdr.new-12x") &&
                                 fs::exists(leftovers + temporary("a.kdr", 1234567890))),
                  std::tuple(false, false, true, OtherProcessesRun, true))
            << leftovers;
    }

    fs::remove(folder.path() / "kalder.cfg");  // not shipped: the new folder has none either
    platform.user_data = folder.file("fresh");
    EXPECT_EQ(choose_data_folder(platform), platform.user_data + "/");
    EXPECT_FALSE(fs::exists(folder.file("fresh/kalder.cfg")));
    platform.user_data = folder.file("locked");
    platform.read_only_folders.push_back(platform.user_data + "/");
    EXPECT_EQ(choose_data_folder(platform), folder.slash());
    platform.user_data = folder.file("all.col/kalder");
    EXPECT_EQ(choose_data_folder(platform), folder.slash()) << "a file where the folder should go";
    // Installed in games/ or bin/, the files are in share/games/ or share/, and the player's go
    // to the user's data folder though the install folder could take them; a build tree's
    // folder holds them itself.
    platform.user_data = folder.file("player");
    for (const auto& [programs, shipped] : {std::pair("usr/games", "usr/share/games/kalder"),
                                            std::pair("local/bin", "local/share/kalder")}) {
        platform.folder = folder.file(programs) + "/";
        fs::create_directories(platform.folder);
        fs::create_directories(folder.file(shipped));
        folder.write(std::string(shipped) + "/puzzles.kdr", puzzle_line(1, 3, SampleBody));
        EXPECT_EQ(choose_data_folder(platform), platform.user_data + "/");
        EXPECT_EQ(folder.read("player/puzzles.kdr"), puzzle_line(1, 3, SampleBody));
        folder.write(std::string(programs) + "/puzzles.kdr", puzzle_line(1, 3, SampleBody));
        EXPECT_EQ(choose_data_folder(platform), platform.folder);
    }
}

// The score file's one line, decoded; it must end CR LF.
std::string plain_score_file(const TempFolder& folder) {
    const std::string encoded = folder.read("kalder.sco");
    EXPECT_EQ(encoded.substr(encoded.size() - 2), "\r\n");
    return DecodeScoreText(encoded.substr(0, encoded.size() - 2));
}

// Games, won and lost: this session's, then in total.
std::string shown(const ScoresBox& box) {
    std::string text;
    for (const int i : {1, 2, 4}) text += box.session(i) + " ";
    for (const int i : {1, 2, 4}) text += box.total(i) + " ";
    return text;
}

// Each result counts a game and its kind, in the session and in total, and rewrites the file
// dated today. Pieces that are no number count from zero, huge ones stop at the largest count,
// missing ones keep what was shown, other pieces are written back as they read. A new session
// starts from zero; Clear, with either button, asks first. A failed rewrite keeps the old file.
TEST_F(Form1Test, TheScoresCountResultsForTheSessionAndInTotalAndClearOnYes) {
    // The plain file before the session ("" for none), games won and lost, then what is shown and
    // what is saved ("" for the file as it was).
    const std::tuple<std::string, int, int, const char*, std::string> cases[] = {
        {"", 0, 0, "0 0 0 0 0 0 ", "05Dec2026 0 0 0 0 0 0 "},
        {"01Jan2026 ab 7x 0 -- ", 0, 1, "1 0 1 1 7x 1 ", "05Dec2026 1 7x 0 1 "},
        {"01Jan2026 5 4", 0, 0, "0 0 0 5 4 8 ", "01Jan2026 5 4"},
        {"01Jan2026 99999999999999999999 " + std::string(400, '9') + " 0 -99999999999999999999 ", 1,
         1, "2 1 1 9223372036854775807 9223372036854775807 -9223372036854775807 ",
         "05Dec2026 9223372036854775807 9223372036854775807 0 -9223372036854775807 "},
        {"01Jan2026 10 7 0 3 ", 2, 1, "3 2 1 13 9 4 ", "05Dec2026 13 9 0 4 "},
    };
    for (const auto& [file, won, lost, expected, saved] : cases) {
        SCOPED_TRACE(file);
        fs::remove(folder.path() / "kalder.sco");
        if (!file.empty()) folder.write("kalder.sco", EncodeScoreText(file) + "\r\n");
        ScoresBox box(platform);
        box.ShowScoreLine("x 8 8 8 8 ");
        box.start();
        for (int i = 0; i < won; ++i) box.set_WonSession(i == 0);  // any value counts
        for (int i = 0; i < lost; ++i) box.set_LostSession(true);
        EXPECT_EQ(std::tuple(shown(box), plain_score_file(folder)),
                  std::tuple(expected, saved.empty() ? file : saved));
    }
    ScoresBox restarted(platform);
    restarted.start();
    restarted.set_WonSession(true);
    restarted.Command2_MouseUp(MouseEvent{RightButton});  // Enter answers No
    EXPECT_EQ(shown(restarted), "1 1 0 14 10 4 ");
    platform.system_answers = {6};
    restarted.Command2_MouseUp(MouseEvent{LeftButton});
    EXPECT_EQ(std::tuple(platform.system_messages, shown(restarted), plain_score_file(folder)),
              std::tuple(std::vector<std::string>(2, "Clear ALL scores"), "0 0 0 0 0 0 ",
                         "05Dec2026 0 0 0 0 0 "));
    // A folder in the way of the temporary file makes every rewrite fail: told once, counted on.
    fs::create_directory(folder.path() / temporary("kalder.sco"));
    std::vector<std::string> told;
    restarted.on_write_failed = [&](const std::string& path) { told.push_back(path); };
    for (int i = 0; i < 2; ++i) restarted.set_WonSession(true);
    EXPECT_EQ(std::tuple(restarted.total(2), plain_score_file(folder), told),
              std::tuple("2", "05Dec2026 0 0 0 0 0 ", std::vector{folder.file("kalder.sco")}));
}

// A stand-in for write() that plays a script: EINTR, a short write, no progress or an error.
std::vector<int> script;
ssize_t scripted_write(int, const void*, std::size_t size) {
    const int step = script.empty() ? static_cast<int>(size) : script.front();
    if (!script.empty()) script.erase(script.begin());
    if (step < 0) errno = -step;  // a write that succeeds leaves errno as it was
    return step < 0 ? -1 : std::min<ssize_t>(step, size);
}

TEST(AtomicFile, WritesOnAfterInterruptionsAndShortWritesButNotAfterErrorsFromAnyDescriptor) {
    const std::pair<std::vector<int>, bool> cases[] = {{{-EINTR, -EINTR}, true},
                                                       {{3, 1, -EINTR, 2}, true},
                                                       {{4, 0}, false},
                                                       {{-EINTR, 0}, false},
                                                       {{5, -EIO}, false}};
    for (const auto& [steps, whole] : cases) {
        script = steps;
        EXPECT_EQ(write_all(-1, "0123456789", scripted_write), whole)
            << ::testing::PrintToString(steps);
    }
#ifdef GTEST_HAS_DEATH_TEST  // in a child process, which the browser's build cannot make
    // Started with standard input closed, the game gets descriptor 0 for the file it opens, and
    // closes it again.
    const TempFolder folder;
    const auto open_as_0 = [&] {
        close(0);
        return AppendPuzzle(folder.file("c.kdr"), 3, "1,2") &&
               write_file_atomically(folder.file("a"), "") && can_replace(folder.file("a")) &&
               read_whole_file(folder.file("a")) == "" && open("/dev/null", O_RDONLY) == 0;
    };
    EXPECT_EXIT(_exit(open_as_0() ? 0 : 1), ::testing::ExitedWithCode(0), "");
#endif
}

#ifdef GTEST_HAS_DEATH_TEST  // in a child process, which the browser's build cannot make
// Run by a user who may write the folder but not read the files: root reads everything, so a
// root test run drops to "nobody" in the child process that plays. The score file is left as it
// is, counting from zero whatever was shown before, and told at each start; the configuration
// is replaced by one the next start reads back, told once.
TEST_F(Form1Test, AnUnreadableScoreFileIsKeptAndAnUnreadableConfigurationReplacedEachToldOnce) {
    const std::string stored = EncodeScoreText("01Jan2026 1000 900 0 100 ") + "\r\n";
    folder.write("kalder.sco", stored);
    folder.write("kalder.cfg", "stamp\r\nxp.col\r\npuzzles.kdr\r\n 1 \r\n");
    fs::permissions(folder.path(), fs::perms::all);
    for (const char* name : {"kalder.sco", "kalder.cfg"})
        fs::permissions(folder.path() / name, fs::perms::owner_write);
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && setuid(65534) != 0) _exit(2);
            form->Score1.ShowScoreLine("x 8 8 8 8 ");
            load();
            form->Score1.set_WonSession(true);
            form->Score1.set_LostSession(true);
            const std::string totals = form->Score1.total(1) + form->Score1.total(2);
            restart();
            const std::string score = "Score file:\r\n" + folder.file("kalder.sco") +
                                      "\r\ncould not be read, scores are kept until the end of "
                                      "this session";
            const std::vector<std::string> told = platform.message_texts();
            for (const std::string& text : told) std::cerr << text << "|";
            const std::string config = "Configuration file:\r\n" + folder.file("kalder.cfg") +
                                       "\r\ncould not be accessed, new file will be created";
            _exit(totals == "21" && told == std::vector{score, config, score} ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(folder.read("kalder.sco"), stored);
}
#endif

// A configuration or score file that cannot be written is told of once a session: at start, not
// again after a game or at Exit.
TEST_F(Form1Test, AConfigurationOrScoreFileThatCannotBeWrittenIsToldOnce) {
    for (const char* name : {"kalder.cfg", "kalder.sco"})
        fs::create_directory(folder.path() / temporary(name));
    form->EndProgram = [] {};
    platform.message_answers = {0, 0, 6};
    load();
    form->Score1.set_WonSession(true);
    form->menu_Click("mnuexit");
    EXPECT_EQ(platform.message_texts(),
              (std::vector<std::string>{"Score file:\r\n" + folder.file("kalder.sco") +
                                            "\r\ncould not be written, scores are kept until the "
                                            "end of this session",
                                        "Configuration file:\r\n" + folder.file("kalder.cfg") +
                                            "\r\ncould not be accessed, options not saved",
                                        "Exit?"}));
}

}  // namespace
}  // namespace kalder::testing
