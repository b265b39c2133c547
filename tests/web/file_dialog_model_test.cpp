#include "web/bridge/file_dialog_model.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/temp_folder.h"

namespace kalder::web {
namespace {

using testing::TempFolder;

constexpr const char* Patterns = "*.kdr;*.txt;*.dat";

class FileDialogModelTest : public ::testing::Test {
  protected:
    FileDialogModelTest() {
        shipped.write("puzzles.kdr", "shipped\r\n");
        shipped.write("kalder.htm", "<html>");
        player.write("puzzles.kdr", "mine\r\n");
        player.write("Big.TXT", "big\r\n");
        player.write(".hidden.kdr", "x");
        player.write("notes.md", "x");
    }

    FileDialogModel dialog(bool save) const {
        FileNameRequest request{save, "Kalder Files (*.kdr;*.txt;*.dat)", Patterns, player.slash(),
                                "Kalder"};
        return FileDialogModel(request, player.slash(), shipped.slash());
    }

    TempFolder player;
    TempFolder shipped;
};

TEST(PlainFileName, AcceptsOnlyPlainNamesOfTheFilter) {
    const struct {
        const char* name;
        bool plain;
    } cases[] = {{"a.kdr", true},    {"A.KDR", true},     {"x.y.dat", true},   {"a.png", false},
                 {".kdr", false},    {"../a.kdr", false}, {"d/a.kdr", false},  {"d\\a.kdr", false},
                 {"a\n.kdr", false}, {"", false},         {"a.kdr.exe", false}};
    for (const auto& c : cases) EXPECT_EQ(plain_file_name_of(c.name, Patterns), c.plain) << c.name;
}

TEST_F(FileDialogModelTest, ListsThePlayersFilesThenTheShippedOnesTheFilterAccepts) {
    const FileDialogModel open = dialog(false);
    ASSERT_EQ(open.entries().size(), 3u);
    EXPECT_EQ(open.entries()[0].name, "Big.TXT");
    EXPECT_EQ(open.entries()[1].path, player.file("puzzles.kdr"));
    EXPECT_FALSE(open.entries()[1].read_only);
    EXPECT_EQ(open.entries()[2].path, shipped.file("puzzles.kdr"));
    EXPECT_TRUE(open.entries()[2].read_only);
}

TEST_F(FileDialogModelTest, OpenGivesTheChosenFileAndRefusesAMissingOne) {
    FileDialogModel open = dialog(false);
    open.set_file_name("gone.kdr");
    open.confirm();
    EXPECT_TRUE(open.open());
    EXPECT_NE(open.problem().find("gone.kdr"), std::string::npos);
    open.select(2);
    open.confirm();
    EXPECT_FALSE(open.open());
    EXPECT_EQ(open.result(), shipped.file("puzzles.kdr"));

    FileDialogModel cancelled = dialog(false);
    cancelled.select(0);
    cancelled.cancel();
    EXPECT_FALSE(cancelled.open());
    EXPECT_EQ(cancelled.result(), "");
}

// Whatever is chosen, a save lands in the player's folder: the shipped files cannot be written.
TEST_F(FileDialogModelTest, SaveLandsInThePlayersFolderAndRefusesAPath) {
    FileDialogModel save = dialog(true);
    save.select(2);
    save.confirm();
    EXPECT_EQ(save.result(), player.file("puzzles.kdr"));

    FileDialogModel elsewhere = dialog(true);
    elsewhere.set_file_name("../escape.kdr");
    elsewhere.confirm();
    EXPECT_TRUE(elsewhere.open());
    elsewhere.set_file_name("  new one.kdr ");
    elsewhere.confirm();
    EXPECT_EQ(elsewhere.result(), player.file("new one.kdr"));
}

TEST_F(FileDialogModelTest, ImportKeepsThePlayersFileAndSelectsWhatCameIn) {
    FileDialogModel open = dialog(false);
    ASSERT_TRUE(open.import_file("puzzles.kdr", "other\r\n"));
    EXPECT_EQ(player.read("puzzles.kdr"), "mine\r\n");
    EXPECT_EQ(player.read("puzzles-2.kdr"), "other\r\n");
    EXPECT_EQ(open.file_name(), "puzzles-2.kdr");
    // The same file again is the one already there.
    ASSERT_TRUE(open.import_file("puzzles.kdr", "other\r\n"));
    EXPECT_EQ(open.file_name(), "puzzles-2.kdr");
    EXPECT_FALSE(std::filesystem::exists(player.file("puzzles-3.kdr")));

    EXPECT_FALSE(open.import_file("picture.png", "x"));
    EXPECT_FALSE(open.import_file("../up.kdr", "x"));
    EXPECT_FALSE(open.import_file("huge.kdr", std::string(FileDialogModel::MostImported + 1, '1')));
    EXPECT_FALSE(std::filesystem::exists(player.file("huge.kdr")));
    EXPECT_FALSE(open.problem().empty());
}

TEST_F(FileDialogModelTest, DownloadHandsOverTheChosenFileEachTimeItIsAsked) {
    FileDialogModel open = dialog(false);
    open.request_download();
    EXPECT_FALSE(open.download());
    open.set_file_name("puzzles.kdr");
    open.request_download();
    ASSERT_TRUE(open.download());
    EXPECT_EQ(open.download()->content, "mine\r\n");
    const int first = open.download()->serial;
    open.clear_download();
    open.request_download();
    EXPECT_NE(open.download()->serial, first);
}

}  // namespace
}  // namespace kalder::web
