#include "form1_fixture.h"

namespace kalder::testing {
namespace {

class UndoResetTest : public Form1Test {
  protected:
    void SetUp() override {
        path = collection({puzzle_line(SampleBody), puzzle_line("991111111,")});
        show(path);
    }
    void undo() { form->cmdundo_MouseUp(MouseEvent{}); }
    void reset(int answer) {
        platform.message_answers = {answer};
        form->cmdreset_MouseUp(MouseEvent{});
    }
    std::string path;
};

TEST_F(UndoResetTest, UndoTakesMovesBackOneAtATimeWithTheirLocksAndColours) {
    move(5, 2);
    move(2, 3);
    undo();
    EXPECT_EQ(board(), "1 3* 1 2 1 2 3 3 2") << "the source keeps its lock";
    EXPECT_EQ(std::tuple(form->CellD[2].BackColor, form->CellD[3].BackColor),
              std::tuple(LockedBack, form->open_cell_colour()));
    undo();
    undo();
    EXPECT_EQ(board(), "1 2 1 2 2 2 3 3 2");
    EXPECT_TRUE(form->UndoList.empty());
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(std::tuple(form->CellD[k].BackColor, form->CellD[k].ForeColor),
                  std::tuple(form->open_cell_colour(), LockedBack));
    }
    show(path, 2);
    move(1, 2);
    move(2, 3);
    undo();
    EXPECT_EQ(board(), "8 10* 1 1 1 1 1 1 1") << "a 10 comes back whole";
    undo();
    EXPECT_EQ(board(), "9 9 1 1 1 1 1 1 1");
    move(1, 2);
    show(path, 2);
    undo();
    EXPECT_EQ(board(), "9 9 1 1 1 1 1 1 1") << "never across puzzles";
}

TEST_F(UndoResetTest, UndoEndsASelectionWhoseSourceCanNoLongerGive) {
    move(2, 5);
    click(4);
    undo();
    EXPECT_EQ(form->SourceCell, 4) << "4 can still give";
    click(4);
    move(2, 1);
    click(1);  // shows 2 only thanks to the move about to be undone
    undo();
    click(4);  // a fresh selection, not a give from cell 1
    EXPECT_EQ(board(), "1 2 1 2 2 2 3 3 2");
    EXPECT_EQ(form->SourceCell, 4);
}

TEST_F(UndoResetTest, ResetAsksAndOnlyYesStartsThePuzzleAgain) {
    move(5, 2);
    const std::string moved = board();
    form->SolverBusy = true;
    undo();
    reset(6);
    EXPECT_EQ(board(), moved) << "inert while a solution plays";
    EXPECT_TRUE(platform.messages.empty());
    form->SolverBusy = false;
    for (const int answer : {7, -1}) reset(answer);
    EXPECT_EQ(board(), moved);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, "Reset current puzzle?");
    EXPECT_EQ(platform.messages[0].buttons, (std::vector<std::string>{"Yes", "No"}));
    reset(6);
    EXPECT_EQ(board(), "1 2 1 2 2 2 3 3 2");
    EXPECT_TRUE(form->UndoList.empty());
    move(5, 2);
    collection({});
    reset(6);
    EXPECT_EQ(board(), moved) << "a line that has gone keeps the board";
}

// A new puzzle starts again from memory, whatever its folder did with the temporary collection.
TEST_F(Form1Test, ResetOfANewPuzzleStartsItAgainFromMemory) {
    const struct {
        const char* what;
        bool read_only_folder;
        const char* temporary_collection_now;  // nullptr leaves it as the game wrote it
    } cases[] = {
        {"written", false, nullptr},
        {"never written (read-only folder)", true, nullptr},
        {"holding another puzzle", false, "00001,3,121222332,02030601020504070800\r\n"},
        {"emptied", false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        platform.folder = platform.working =
            c.read_only_folder ? folder.file("read-only/") : folder.slash();
        restart();
        const std::string start = board();
        const auto [giver, receiver] = playable_solution().front();
        move(giver, receiver);
        if (c.temporary_collection_now) folder.write("kaldertemp.tmp", c.temporary_collection_now);
        platform.message_answers = {6};
        form->cmdreset_MouseUp(MouseEvent{});
        EXPECT_EQ(board(), start);
        EXPECT_EQ(form->PuzNum.Text, "P# 1 of 1");
    }
}

}  // namespace
}  // namespace kalder::testing
