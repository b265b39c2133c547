#include "core/base/data_folder.h"

#include "form1_fixture.h"

namespace kalder::testing {
namespace {

class DataFolderTest : public Form1Test {
  protected:
    DataFolderTest() {
        folder.write("all.col", XpSchemeBlock);
        folder.write("puzzles.kdr", puzzle_line(1, 3, SampleBody));
        platform.user_data = folder.file("home/.local/share/kalder");
    }
    std::string data_file(const std::string& name) const {
        return folder.read("home/.local/share/kalder/" + name);
    }
};

// A writable program folder keeps everything; a read-only one sends the files to the user's
// data folder, seeded once (the player's copies are never seeded over, the help page follows
// the installed one); with nowhere to write the program folder serves.
TEST_F(DataFolderTest, TheProgramFolderServesUnlessReadOnlyThenTheSeededUserDataFolder) {
    EXPECT_EQ(choose_data_folder(platform), folder.slash());
    EXPECT_FALSE(std::filesystem::exists(platform.user_data));
    platform.read_only_folders = {folder.slash()};
    EXPECT_EQ(choose_data_folder(platform), platform.user_data + "/");
    EXPECT_EQ(data_file("all.col") + data_file("puzzles.kdr"),
              XpSchemeBlock + puzzle_line(1, 3, SampleBody));
    folder.write("home/.local/share/kalder/puzzles.kdr", "mine\r\n");
    folder.write("puzzles.kdr", "shipped anew\r\n");
    folder.write("kalder.htm", "<p>new help</p>");
    choose_data_folder(platform);
    EXPECT_EQ(data_file("puzzles.kdr") + data_file("kalder.htm"), "mine\r\n<p>new help</p>");

    platform.user_data = folder.file("locked");
    platform.read_only_folders.push_back(platform.user_data + "/");
    EXPECT_EQ(choose_data_folder(platform), folder.slash());
    platform.user_data = folder.file("all.col/kalder");
    EXPECT_EQ(choose_data_folder(platform), folder.slash()) << "a file where the folder should go";
}

// A build tree's folder holds its files itself, and then a share folder beside is not used.
TEST_F(DataFolderTest, AProgramInstalledInBinFindsItsFilesInShare) {
    platform.folder = folder.file("bin") + "/";
    std::filesystem::create_directories(platform.folder);
    std::filesystem::create_directories(folder.file("share/kalder"));
    folder.write("share/kalder/puzzles.kdr", puzzle_line(1, 3, SampleBody));
    EXPECT_TRUE(
        std::filesystem::equivalent(choose_data_folder(platform), folder.file("share/kalder")));
    folder.write("bin/puzzles.kdr", puzzle_line(1, 3, SampleBody));
    EXPECT_EQ(choose_data_folder(platform), platform.folder);
}

// Only the first run's note that the configuration is new.
TEST_F(DataFolderTest, AnInstalledGameStartsAndSavesInTheUserDataFolderWithoutWarnings) {
    platform.read_only_folders = {folder.slash()};
    const std::string data = platform.user_data + "/";
    load();
    EXPECT_EQ(std::tuple(form->ProgramFolder, form->CollectionPath, form->TempCollectionPath),
              std::tuple(data, data + "puzzles.kdr", data + "kaldertemp.tmp"));
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(data_file("kalder.cfg").find("puzzles.kdr"), std::string::npos);
    EXPECT_EQ(folder.read("kalder.cfg"), "");
}

}  // namespace
}  // namespace kalder::testing
