#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "core/appearance/config_file.h"
#include "fake_platform.h"
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
    Config read(const std::string& folder_path) {
        Config config{"old", "old", 99};
        ReadcfgFile(folder_path, config, record(), now);
        return config;
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

TEST_F(ConfigFileTest, ReadsTheThreeSettings) {
    struct Case {
        const char* file;
        const char* scheme;
        const char* collection;
        int number;
    };
    const Case cases[] = {
        {"stamp\r\nxp.col\r\n/home/p/mine.kdr\r\n 17 \r\n", "xp.col", "/home/p/mine.kdr", 17},
        {"stamp\nxp.col\npuzzles.kdr\n17\n", "xp.col", "puzzles.kdr", 17},
        {"stamp\r\n  \r\npuzzles.kdr\r\n 3 \r\n", "default.col", "puzzles.kdr", 3},
        {"stamp\r\nxp.col\r\npuzzles.kdr\r\nseventeen\r\n", "xp.col", "puzzles.kdr", 0},
        {"stamp\r\n\"my, scheme.col\"\r\na, b.kdr\r\n -4 \r\n", "my, scheme.col", "a, b.kdr", -4},
        // A comma ends the scheme name; the rest of its line is the collection.
        {"stamp\r\nxp.col,rest.kdr\r\n 5 \r\nignored\r\n", "xp.col", "rest.kdr", 5},
    };
    for (const Case& c : cases) {
        folder.write("kalder.cfg", c.file);
        const Config config = read(folder.slash());
        EXPECT_EQ(config.SchemeName, c.scheme) << c.file;
        EXPECT_EQ(config.CollectionPath, c.collection) << c.file;
        EXPECT_EQ(config.PuzzleNumber, c.number) << c.file;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(ConfigFileTest, AnUnreadableFileFallsBackToDefaultsAndIsWrittenAnew) {
    const std::string unreadable[] = {
        "",                                                     // missing or empty
        "stamp\r\nxp.col\r\n",                                  // two lines
        "stamp\r\nxp.col\r\npuzzles.kdr\r\n",                   // no number
        "stamp\r\nxp.col\r\npuzzles.kdr\r\n 99999999999 \r\n",  // beyond 32 bits
    };
    for (const std::string& content : unreadable) {
        messages.clear();
        folder.write("kalder.cfg", content);
        const Config config = read(folder.slash());
        EXPECT_EQ(config.SchemeName, "xp.col");
        EXPECT_EQ(config.CollectionPath, "puzzles.kdr");
        EXPECT_EQ(config.PuzzleNumber, 1);
        ASSERT_EQ(messages.size(), 1u) << content;
        EXPECT_EQ(messages[0], "vbcritical+vbok: Configuration file:\r\n" +
                                   folder.file("kalder.cfg") +
                                   "\r\ncould not be accessed, new file will be created");
        EXPECT_EQ(folder.read("kalder.cfg"),
                  "12-05-2026 14:02:31\r\nxp.col\r\npuzzles.kdr\r\n 1 \r\n");
    }
}

TEST_F(ConfigFileTest, AnUnwritableFolderKeepsTheDefaultsInMemoryAndTellsOnce) {
    const Config config = read(folder.file("no/such/folder/"));
    EXPECT_EQ(config.CollectionPath, "puzzles.kdr");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "vbok+vberror: Configuration file:\r\n" +
                               folder.file("no/such/folder/kalder.cfg") +
                               "\r\ncould not be accessed, options not saved");

    messages.clear();
    SavecfgFile(folder.file("no/such/folder/"), config, record(), now);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].substr(0, 14), "vbok+vberror: ");
    EXPECT_NE(messages[0].find("could not be accessed, options not saved"), std::string::npos);
}

TEST_F(ConfigFileTest, SavedSettingsReadBack) {
    SavecfgFile(folder.slash(), Config{"blue.col", "/tmp/x y.kdr", 17}, record(), now);
    EXPECT_EQ(folder.read("kalder.cfg"),
              "12-05-2026 14:02:31\r\nblue.col\r\n/tmp/x y.kdr\r\n 17 \r\n");
    const Config config = read(folder.slash());
    EXPECT_EQ(config.SchemeName, "blue.col");
    EXPECT_EQ(config.CollectionPath, "/tmp/x y.kdr");
    EXPECT_EQ(config.PuzzleNumber, 17);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ConfigFileTest, AFailedSaveLeavesTheOldFileWhole) {
    folder.write("kalder.cfg", "old\r\nxp.col\r\nold.kdr\r\n 2 \r\n");
    std::filesystem::create_directory(folder.path() /
                                      ("kalder.cfg.new-" + std::to_string(getpid())));
    SavecfgFile(folder.slash(), Config{"new.col", "new.kdr", 3}, record(), now);
    EXPECT_EQ(folder.read("kalder.cfg"), "old\r\nxp.col\r\nold.kdr\r\n 2 \r\n");
    EXPECT_EQ(messages.size(), 1u);
}

}  // namespace
}  // namespace kalder::testing
