#include "core/base/data_folder.h"

#include "form1_fixture.h"

namespace kalder::testing {
namespace {

class DataFolderTest : public Form1Test {
  protected:
    DataFolderTest() {
        folder.write("all.col", "xp.col\r\n");
        folder.write("puzzles.kdr", puzzle_line(1, 3, SampleBody));
        platform.user_data = folder.file("home/.local/share/kalder");
    }
    std::string data_file(const std::string& name) const {
        return folder.read("home/.local/share/kalder/" + name);
    }
};

TEST_F(DataFolderTest, AWritableProgramFolderKeepsEverythingBesideTheProgram) {
    EXPECT_EQ(choose_data_folder(platform), folder.slash());
    EXPECT_FALSE(std::filesystem::exists(platform.user_data));
}

TEST_F(DataFolderTest, AReadOnlyProgramFolderSendsTheFilesToTheSeededUserDataFolder) {
    platform.read_only_folders = {folder.slash()};
    EXPECT_EQ(choose_data_folder(platform), platform.user_data + "/");
    EXPECT_EQ(data_file("all.col"), "xp.col\r\n");
    EXPECT_EQ(data_file("puzzles.kdr"), puzzle_line(1, 3, SampleBody));

    // The player's own copies are never seeded over; the help page follows the installed one.
    folder.write("home/.local/share/kalder/puzzles.kdr", "mine\r\n");
    folder.write("puzzles.kdr", "shipped anew\r\n");
    folder.write("kalder.htm", "<p>new help</p>");
    choose_data_folder(platform);
    EXPECT_EQ(data_file("puzzles.kdr"), "mine\r\n");
    EXPECT_EQ(data_file("kalder.htm"), "<p>new help</p>");
}

TEST_F(DataFolderTest, AProgramInstalledInBinFindsItsFilesInShare) {
    platform.folder = folder.file("bin") + "/";
    std::filesystem::create_directories(platform.folder);
    std::filesystem::create_directories(folder.file("share/kalder"));
    folder.write("share/kalder/puzzles.kdr", puzzle_line(1, 3, SampleBody));
    EXPECT_TRUE(
        std::filesystem::equivalent(choose_data_folder(platform), folder.file("share/kalder")));
    // A build tree's folder holds its files itself, and then a share folder beside is not used.
    folder.write("bin/puzzles.kdr", puzzle_line(1, 3, SampleBody));
    EXPECT_EQ(choose_data_folder(platform), platform.folder);
}

TEST_F(DataFolderTest, WithNowhereToWriteTheProgramFolderServes) {
    platform.read_only_folders = {folder.slash()};
    folder.write("home", "a file where the folder should go");
    EXPECT_EQ(choose_data_folder(platform), folder.slash());

    platform.user_data = folder.file("locked");
    platform.read_only_folders.push_back(platform.user_data + "/");
    EXPECT_EQ(choose_data_folder(platform), folder.slash());
}

TEST_F(DataFolderTest, AnInstalledGameStartsAndSavesInTheUserDataFolderWithoutWarnings) {
    platform.read_only_folders = {folder.slash()};
    const std::string data = platform.user_data + "/";
    load();
    EXPECT_EQ(form->ProgramFolder, data);
    EXPECT_EQ(form->CollectionPath, data + "puzzles.kdr");
    EXPECT_EQ(form->TempCollectionPath, data + "kaldertemp.tmp");
    // Only the first run's note that the configuration is new.
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(data_file("kalder.cfg").find("puzzles.kdr"), std::string::npos);
    EXPECT_EQ(folder.read("kalder.cfg"), "");
}

}  // namespace
}  // namespace kalder::testing
