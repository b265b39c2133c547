#include "form1_fixture.h"

namespace kalder::testing {
namespace {

class UndoResetTest : public Form1Test {
  protected:
    void SetUp() override {
        folder.write("c.kdr", puzzle_line(1, 3, SampleBody) + puzzle_line(2, 3, "991111111,"));
        load(folder.file("c.kdr"), 1);
        start = captions();
    }
    void undo() { form->cmdundo_MouseUp(MouseEvent{}); }
    void reset() { form->cmdreset_MouseUp(MouseEvent{}); }
    std::vector<std::string> start;
};

TEST_F(UndoResetTest, UndoTakesMovesBackOneAtATime) {
    move(5, 2);
    move(2, 3);  // the locked cell 2 gives
    const auto after_first = captions();
    undo();
    EXPECT_EQ(form->CellD[2].Caption, "3");
    EXPECT_TRUE(form->board.locked(2)) << "the source keeps its lock";
    EXPECT_EQ(form->CellD[2].BackColor, LockedBack);
    EXPECT_FALSE(form->board.locked(3));
    EXPECT_EQ(form->CellD[3].BackColor, form->open_cell_colour());
    undo();
    EXPECT_EQ(captions(), start);
    EXPECT_EQ(locks(), std::vector<bool>(9, false));
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(form->CellD[k].BackColor, form->open_cell_colour());
        EXPECT_EQ(form->CellD[k].ForeColor, LockedBack);
    }
    EXPECT_TRUE(form->UndoList.empty());
    undo();
    EXPECT_EQ(captions(), start) << "a third undo does nothing";
}

TEST_F(UndoResetTest, UndoEndsASelectionWhoseSourceCanNoLongerGive) {
    move(2, 5);
    click(4);  // shows 2: selected, and stays so when undo leaves it able to give
    undo();
    EXPECT_EQ(form->SourceCell, 4);
    click(4);  // deselects
    move(2, 1);
    ASSERT_EQ(form->CellD[1].Caption, "2");
    click(1);  // shows 2 only thanks to the move about to be undone
    undo();
    EXPECT_EQ(form->CellD[1].Caption, "1");
    click(4);  // a fresh selection, not a give from cell 1
    EXPECT_EQ(captions(), start);
    EXPECT_EQ(form->SourceCell, 4);
}

TEST_F(UndoResetTest, UndoRestoresAValueOfTen) {
    form->ShowPuzzle(folder.file("c.kdr"), 2);
    move(1, 2);
    ASSERT_EQ(form->CellD[2].Caption, "10");
    move(2, 3);
    undo();
    EXPECT_EQ(form->CellD[2].Caption, "10");
    undo();
    EXPECT_EQ(form->CellD[1].Caption, "9");
    EXPECT_EQ(form->CellD[2].Caption, "9");
}

TEST_F(UndoResetTest, UndoNeverReachesAcrossPuzzles) {
    move(5, 2);
    form->ShowPuzzle(folder.file("c.kdr"), 2);
    undo();
    EXPECT_EQ(captions(), (std::vector<std::string>{"9", "9", "1", "1", "1", "1", "1", "1", "1"}));
}

TEST_F(UndoResetTest, UndoAndResetAreInertWhileASolutionPlays) {
    move(5, 2);
    form->SolverBusy = true;
    const auto moved = captions();
    undo();
    reset();
    EXPECT_EQ(captions(), moved);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(UndoResetTest, ResetAsksAndOnlyYesReloads) {
    move(5, 2);
    const auto moved = captions();
    for (const int answer : {7, -1}) {
        platform.message_answers = {answer};
        reset();
        EXPECT_EQ(captions(), moved) << answer;
    }
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, "Reset current puzzle?");
    EXPECT_EQ(platform.messages[0].buttons, (std::vector<std::string>{"Yes", "No"}));
    platform.message_answers = {6};
    reset();
    EXPECT_EQ(captions(), start);
    EXPECT_EQ(locks(), std::vector<bool>(9, false));
    EXPECT_TRUE(form->UndoList.empty());
}

TEST_F(UndoResetTest, ResetOfALineThatHasGoneKeepsTheBoard) {
    move(5, 2);
    const auto moved = captions();
    folder.write("c.kdr", "");
    platform.message_answers = {6};
    reset();
    EXPECT_EQ(captions(), moved);
}

// A new puzzle starts again from memory, whatever its folder did with the temporary collection.
TEST_F(Form1Test, ResetOfANewPuzzleStartsItAgainFromMemory) {
    struct Case {
        const char* what;
        bool read_only_folder;
        const char* temporary_collection_now;  // nullptr leaves it as the game wrote it
    } const cases[] = {
        {"written", false, nullptr},
        {"never written (read-only folder)", true, nullptr},
        {"holding another puzzle", false, "00001,3,121222332,02030601020504070800\r\n"},
        {"emptied", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string where = c.read_only_folder ? folder.file("read-only/") : folder.slash();
        platform.folder = where;
        platform.working = where;
        platform.messages.clear();
        form = std::make_unique<Form1>(platform, random);
        form->Form_Load();
        const auto start = captions();
        const auto [giver, receiver] = playable_solution().front();
        move(giver, receiver);
        ASSERT_NE(captions(), start);
        if (c.temporary_collection_now) folder.write("kaldertemp.tmp", c.temporary_collection_now);
        platform.message_answers = {6};
        form->cmdreset_MouseUp(MouseEvent{});
        EXPECT_EQ(form->board.GridSize, 4);
        EXPECT_EQ(captions(), start);
        EXPECT_EQ(locks(), std::vector<bool>(16, false));
        EXPECT_EQ(form->PuzNum.Text, "P# 1 of 1");
    }
}

}  // namespace
}  // namespace kalder::testing
