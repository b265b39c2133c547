#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "core/appearance/config_file.h"
#include "temp_folder.h"

namespace kalder::testing {
namespace {

class ConfigFileTest : public ::testing::Test {
  protected:
    ConfigFileTest() {
        now.tm_year = 126;
        now.tm_mon = 11;
        now.tm_mday = 5;
        now.tm_hour = 14;
        now.tm_min = 2;
        now.tm_sec = 31;
    }
    std::tuple<std::string, std::string, int> read(const std::string& folder_path) {
        Config config{"old", "old", 99};
        ReadcfgFile(folder_path, config, record(), now);
        return {config.SchemeName, config.CollectionPath, config.PuzzleNumber};
    }
    MessageFn record() {
        return [this](const std::string& text, const std::string& style) {
            messages.push_back(style + ": " + text);
            return 1;
        };
    }
    TempFolder folder;
    std::tm now{};
    std::vector<std::string> messages;
};

// A blank scheme is the default one; blanks around a name go; a comma ends the scheme name (the
// rest of its line is the collection), quotes keep commas; a number that is no number reads as 0.
TEST_F(ConfigFileTest, ReadsTheThreeSettingsAndWritesThemBack) {
    const struct {
        const char* file;
        const char* scheme;
        const char* collection;
        int number;
    } cases[] = {
        {"stamp\r\nxp.col\r\n/home/p/mine.kdr\r\n 17 \r\n", "xp.col", "/home/p/mine.kdr", 17},
        {"stamp\nxp.col\npuzzles.kdr\n17\n", "xp.col", "puzzles.kdr", 17},
        {"stamp\r\n  \r\npuzzles.kdr\r\n 3 \r\n", "default.col", "puzzles.kdr", 3},
        {"stamp\r\nxp.col\r\npuzzles.kdr\r\nseventeen\r\n", "xp.col", "puzzles.kdr", 0},
        {"stamp\r\n  \"my, scheme.col\"\r\na, b.kdr\r\n -4 \r\n", "my, scheme.col", "a, b.kdr", -4},
        {"stamp\r\n  xp.col  \r\npuzzles.kdr\r\n 3 \r\n", "xp.col", "puzzles.kdr", 3},
        {"stamp\r\nxp.col,rest.kdr\r\n 5 \r\nignored\r\n", "xp.col", "rest.kdr", 5},
    };
    for (const auto& c : cases) {
        folder.write("kalder.cfg", c.file);
        EXPECT_EQ(read(folder.slash()), std::tuple(c.scheme, c.collection, c.number)) << c.file;
    }
    SavecfgFile(folder.slash(), Config{"blue.col", "/tmp/x y.kdr", 17}, record(), now);
    EXPECT_EQ(folder.read("kalder.cfg"),
              "12-05-2026 14:02:31\r\nblue.col\r\n/tmp/x y.kdr\r\n 17 \r\n");
    EXPECT_EQ(read(folder.slash()), std::tuple("blue.col", "/tmp/x y.kdr", 17));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ConfigFileTest, AnUnreadableFileFallsBackToDefaultsAndIsWrittenAnew) {
    const std::string unreadable[] = {
        "",                                                     // missing or empty
        "stamp\r\nxp.col\r\n",                                  // two lines
        "stamp\r\nxp.col\r\npuzzles.kdr\r\n",                   // no number
        "stamp\r\nxp.col\r\npuzzles.kdr\r\n 99999999999 \r\n",  // beyond 32 bits
        "stamp\r\nxp.col\r\npuzzles.kdr\r\n -99999999999 \r\n",
    };
    for (const std::string& content : unreadable) {
        messages.clear();
        folder.write("kalder.cfg", content);
        EXPECT_EQ(read(folder.slash()), std::tuple("xp.col", "puzzles.kdr", 1)) << content;
        EXPECT_EQ(messages, std::vector<std::string>{"vbcritical+vbok: Configuration file:\r\n" +
                                                     folder.file("kalder.cfg") +
                                                     "\r\ncould not be accessed, new file will "
                                                     "be created"});
        EXPECT_EQ(folder.read("kalder.cfg"),
                  "12-05-2026 14:02:31\r\nxp.col\r\npuzzles.kdr\r\n 1 \r\n");
    }
}

// Nothing can be written: the defaults stay in memory and each attempt tells once; a failed
// save leaves the old file whole.
TEST_F(ConfigFileTest, AFailedWriteIsToldAndLeavesTheOldFileWhole) {
    const std::string nowhere = folder.file("no/such/folder/");
    EXPECT_EQ(read(nowhere), std::tuple("xp.col", "puzzles.kdr", 1));
    SavecfgFile(nowhere, Config{"a.col", "b.kdr", 3}, record(), now);
    const std::string unsaved = "vbok+vberror: Configuration file:\r\n" + nowhere +
                                "kalder.cfg\r\ncould not be accessed, options not saved";
    EXPECT_EQ(messages, std::vector<std::string>(2, unsaved));

    folder.write("kalder.cfg", "old\r\nxp.col\r\nold.kdr\r\n 2 \r\n");
    std::filesystem::create_directory(folder.path() /
                                      ("kalder.cfg.new-" + std::to_string(getpid())));
    SavecfgFile(folder.slash(), Config{"new.col", "new.kdr", 3}, record(), now);
    EXPECT_EQ(folder.read("kalder.cfg"), "old\r\nxp.col\r\nold.kdr\r\n 2 \r\n");
    EXPECT_EQ(messages.size(), 3u);
}

}  // namespace
}  // namespace kalder::testing
