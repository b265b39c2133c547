#include "form1_fixture.h"

#include "core/game/collection_file.h"

namespace kalder::testing {
namespace {

TEST_F(Form1Test, FirstRunWithoutAnyCollectionShowsAGeneratedFourByFour) {
    load();
    EXPECT_EQ(form->board.GridSize, 4);
    EXPECT_EQ(form->CollectionPath, folder.file("kaldertemp.tmp"));
    EXPECT_EQ(form->PuzzleNumber, 1);
    EXPECT_EQ(CountLines(form->CollectionPath), 1);
    EXPECT_EQ(form->PuzNum.Text, "P# 1 of 1");
    // Only the configuration file's own message: the generated puzzle is not announced.
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(Form1Test, StartsOnTheDefaultCollectionWhenTheConfiguredOneIsGone) {
    folder.write("puzzles.kdr", puzzle_line(1, 3, SampleBody) + puzzle_line(2, 3, SampleBody));
    load(folder.file("deleted.kdr"), 2);
    EXPECT_EQ(form->CollectionPath, folder.file("puzzles.kdr"));
    EXPECT_EQ(form->PuzzleNumber, 1);
    EXPECT_EQ(form->PuzNum.Text, "P# 1 of 2");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Form1Test, StartsOnTheConfiguredPuzzle) {
    folder.write("mine.kdr",
                 puzzle_line(1, 3, SampleBody) + puzzle_line(2, 4, "1234123412341234,"));
    load(folder.file("mine.kdr"), 2);
    EXPECT_EQ(form->board.GridSize, 4);
    EXPECT_EQ(form->PuzNum.Text, "P# 2 of 2");
}

TEST_F(Form1Test, AnEmptyDefaultCollectionCountsAsMissing) {
    folder.write("puzzles.kdr", "");
    load(folder.file("nothing.kdr"), 1);
    EXPECT_EQ(form->CollectionPath, folder.file("kaldertemp.tmp"));
    EXPECT_EQ(form->board.GridSize, 4);
}

TEST_F(Form1Test, ADefaultCollectionWithADamagedFirstLineStartsOnANewPuzzle) {
    folder.write("puzzles.kdr", "00001,12,123\r\n" + puzzle_line(2, 3, SampleBody));
    load(folder.file("deleted.kdr"), 2);
    EXPECT_EQ(form->CollectionPath, folder.file("kaldertemp.tmp"));
    EXPECT_EQ(form->board.GridSize, 4);
    EXPECT_EQ(form->PuzNum.Text, "P# 1 of 1");
    ASSERT_EQ(platform.messages.size(), 1u) << "the damaged line is named";
    EXPECT_NE(platform.messages[0].text.find(folder.file("puzzles.kdr")), std::string::npos);
}

TEST_F(Form1Test, AShortenedOrDamagedConfiguredCollectionStillStartsOnAPuzzle) {
    const std::string good = puzzle_line(1, 3, SampleBody);
    const std::string damaged = "00002,12,123\r\n";
    struct Case {
        const char* what;
        std::string lines;
        int configured;
        bool on_first_puzzle;  // else on a generated 4 x 4
        std::size_t messages;
    } const cases[] = {
        {"number beyond the file", good, 7, true, 0},
        {"damaged configured line", good + damaged, 2, true, 1},
        {"only damaged lines", damaged + damaged, 2, false, 2},
        {"damaged first line configured", damaged, 1, false, 1},
        {"empty file", "", 3, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        folder.write("mine.kdr", c.lines);
        platform.messages.clear();
        form = std::make_unique<Form1>(platform, random);
        load(folder.file("mine.kdr"), c.configured);
        if (c.on_first_puzzle) {
            EXPECT_EQ(form->CollectionPath, folder.file("mine.kdr"));
            EXPECT_EQ(form->PuzzleNumber, 1);
            EXPECT_EQ(form->board.GridSize, 3);
        } else {
            EXPECT_EQ(form->CollectionPath, folder.file("kaldertemp.tmp"));
            EXPECT_EQ(form->board.GridSize, 4);
        }
        EXPECT_EQ(platform.messages.size(), c.messages);
    }
}

TEST_F(Form1Test, StartUpStylesTheWindowAndTheMessageBox) {
    load();
    EXPECT_EQ(form->Caption, "Kalder");
    EXPECT_EQ(form->Width, 4935);
    EXPECT_EQ(form->Height, 6090);
    EXPECT_EQ(form->msg_form.title, "Kalder");
    EXPECT_EQ(form->msg_form.background, form->BackColor);
    EXPECT_FALSE(form->Score1.Visible);
    EXPECT_FALSE(form->SolverBusy);
}

TEST_F(Form1Test, MenusCarryTheirCaptionsAndLaterCommandsAreDisabled) {
    ASSERT_EQ(form->menus.size(), 2u);
    EXPECT_EQ(form->menus[0].caption, "Kalder");
    EXPECT_EQ(form->menus[1].caption, "Puzzle");
    std::vector<std::string> captions;
    for (const Menu& menu : form->menus) {
        for (const MenuItem& item : menu.items) captions.push_back(item.caption);
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"Options", "Scores", "-", "Help", "About", "-",
                                                  "Cancel", "-", "Exit", "Solve", "-", "Load",
                                                  "Save", "Delete", "-", "Cancel"}));
    std::vector<std::string> disabled;
    for (const Menu& menu : form->menus) {
        for (const MenuItem& item : menu.items) {
            if (!item.enabled) disabled.push_back(item.name);
        }
    }
    EXPECT_EQ(disabled, (std::vector<std::string>{"mnuoptions", "mnuhelp", "mnuabout", "mnuload",
                                                  "mnusave", "mnudelete"}));
}

}  // namespace
}  // namespace kalder::testing

namespace kalder::testing {
namespace {

// An installed, read-only copy: nothing beside the program or in the working folder can be
// written. The game still starts, plays and counts, and names each file it could not write once.
TEST_F(Form1Test, AReadOnlyInstallStillPlaysAndTellsOncePerFile) {
    platform.folder = folder.file("read-only/");
    platform.working = folder.file("read-only/");
    form = std::make_unique<Form1>(platform, random);
    form->Form_Load();
    EXPECT_EQ(form->board.GridSize, 4);
    EXPECT_EQ(form->PuzNum.Text, "P# 1 of 1");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_NE(platform.messages[0].text.find("kalder.sco"), std::string::npos);
    EXPECT_NE(platform.messages[1].text.find("kalder.cfg"), std::string::npos);

    platform.messages.clear();
    form->Score1.set_WonSession(true);
    form->mnusolve_Click();
    EXPECT_EQ(form->Score1.total(1), "2");
    EXPECT_EQ(platform.message_texts(), std::vector<std::string>{"Done"});
}

}  // namespace
}  // namespace kalder::testing
