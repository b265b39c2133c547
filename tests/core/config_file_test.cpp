#include "core/appearance/config_file.h"

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "temp_folder.h"

namespace kalder::testing {
namespace {

class ConfigFileTest : public ::testing::Test {
  protected:
    ConfigFileTest() { platform.clock_seconds = 14 * 3600 + 2 * 60 + 31; }
    std::tuple<std::string, std::string, int> read(const std::string& folder_path) {
        Config config{"old", "old", 99};
        ReadcfgFile(folder_path, config, record, platform.local_time());
        return {config.SchemeName, config.CollectionPath, config.PuzzleNumber};
    }
    void save(const std::string& folder_path, const Config& config) {
        SavecfgFile(folder_path, config, record, platform.local_time());
    }
    TempFolder folder;
    FakePlatform platform;
    std::vector<std::string> messages;
    const MessageFn record = [this](const std::string& text, const std::string& style) {
        messages.push_back(style + ": " + text);
        return 1;
    };
};

// A blank scheme is the default one; blanks around a name go; a comma ends the scheme name (the
// rest of its line is the collection), quotes keep commas; a number that is no number reads as
// 0. A file that cannot be read falls back to the defaults, is told and written anew.
TEST_F(ConfigFileTest, ReadsTheThreeSettingsOrFallsBackAndWritesThemBack) {
    const struct {
        const char* file;
        const char* scheme;
        const char* collection;
        int number;
    } cases[] = {
        {"stamp\r\nxp.col\r\n/home/p/mine.kdr\r\n 17 \r\n", "xp.col", "/home/p/mine.kdr", 17},
        {"stamp\n  \npuzzles.kdr\n 3 \n", "default.col", "puzzles.kdr", 3},
        {"stamp\r\nxp.col\r\npuzzles.kdr\r\nseventeen\r\n", "xp.col", "puzzles.kdr", 0},
        {"stamp\r\n  \"my, scheme.col\"\r\na, b.kdr\r\n -4 \r\n", "my, scheme.col", "a, b.kdr", -4},
        {"stamp\r\n  xp.col  ,rest.kdr\r\n 5 \r\nignored\r\n", "xp.col", "rest.kdr", 5},
        {"", nullptr, nullptr, 1},
        {"stamp\r\nxp.col\r\npuzzles.kdr\r\n", nullptr, nullptr, 1},
        {"stamp\r\nxp.col\r\npuzzles.kdr\r\n -99999999999 \r\n", nullptr, nullptr, 1},
    };
    const std::string written = "12-05-2026 14:02:31\r\nxp.col\r\npuzzles.kdr\r\n 1 \r\n";
    for (const auto& c : cases) {
        messages.clear();
        folder.write("kalder.cfg", c.file);
        const bool bad = c.scheme == nullptr;
        EXPECT_EQ(read(folder.slash()), std::tuple(bad ? "xp.col" : c.scheme,
                                                   bad ? "puzzles.kdr" : c.collection, c.number))
            << c.file;
        EXPECT_EQ(messages.size(), bad ? 1u : 0u) << c.file;
        EXPECT_EQ(folder.read("kalder.cfg"), bad ? written : c.file);
    }
    EXPECT_EQ(messages, std::vector<std::string>{
                            "vbcritical+vbok: Configuration file:\r\n" + folder.file("kalder.cfg") +
                            "\r\ncould not be accessed, new file will be created"});
}

// Nothing can be written: the defaults stay in memory and each attempt tells once.
TEST_F(ConfigFileTest, AFailedWriteKeepsTheDefaultsAndIsToldEachTime) {
    const std::string nowhere = folder.file("no/such/folder/");
    EXPECT_EQ(read(nowhere), std::tuple("xp.col", "puzzles.kdr", 1));
    save(nowhere, Config{"a.col", "b.kdr", 3});
    const std::string unsaved = "vbok+vberror: Configuration file:\r\n" + nowhere +
                                "kalder.cfg\r\ncould not be accessed, options not saved";
    EXPECT_EQ(messages, std::vector<std::string>(2, unsaved));
}

}  // namespace
}  // namespace kalder::testing
