#include "form1_fixture.h"

namespace kalder::testing {
namespace {

class UndoResetTest : public Form1Test {
  protected:
    void SetUp() override { show_body(SampleBody); }
    void undo() { form->cmdundo.release(MouseEvent{}); }
    void reset(int answer) {
        platform.message_answers = {answer};
        form->cmdreset.release(MouseEvent{});
    }
};

// Undo takes moves back one at a time with their locks and colours, a 10 whole; redo puts them
// back exactly; a new move forgets what was undone.
TEST_F(UndoResetTest, UndoAndRedoRetraceTheMoves) {
    move(5, 2);
    move(2, 3);  // the locked cell 2 gives
    const auto [after, undo_after] = std::pair(board(), form->UndoList);
    undo();
    EXPECT_EQ(std::tuple(board(), form->CellD[2].BackColor, form->CellD[3].BackColor),
              std::tuple("1 3* 1 2 1 2 3 3 2", LockedBack, form->open_cell_colour()))
        << "the source keeps its lock";
    undo();
    click(4);  // a selection the redo ends, as a move does
    form->redo();
    form->redo();
    EXPECT_EQ(std::tuple(board(), form->UndoList, form->SourceCell),
              std::tuple(after, undo_after, -1));
    for (int i = 0; i < 3; ++i) undo();
    EXPECT_EQ(std::tuple(board(), form->UndoList.size(), form->CellD[2].BackColor,
                         form->CellD[2].ForeColor),
              std::tuple("1 2 1 2 2 2 3 3 2", 0ul, form->open_cell_colour(), LockedBack));
    move(5, 4);
    form->redo();
    EXPECT_EQ(form->UndoList.size(), 1ul) << "a new move forgets what was undone";
    move(2, 1);
    undo();
    show_body("991111111,");
    form->redo();  // 2 to 1 would be legal here, but it was undone on another puzzle
    move(1, 2);
    move(2, 3);
    undo();
    EXPECT_EQ(board(), "8 10* 1 1 1 1 1 1 1") << "a 10 comes back whole";
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
    EXPECT_EQ(std::pair(board(), form->SourceCell), std::pair(std::string("1 2 1 2 2 2 3 3 2"), 4));
}

TEST_F(UndoResetTest, ResetAsksAndOnlyYesStartsThePuzzleAgain) {
    move(5, 2);
    const std::string moved = board();
    for (const int answer : {7, -1}) reset(answer);
    EXPECT_EQ(std::pair(board(), platform.message_texts()),
              std::pair(moved, std::vector<std::string>(2, "Reset current puzzle?")));
    reset(6);
    EXPECT_EQ(std::pair(board(), form->UndoList.size()),
              std::pair(std::string("1 2 1 2 2 2 3 3 2"), 0ul));
    move(5, 2);
    collection({}, "one.kdr");
    reset(6);
    EXPECT_EQ(board(), moved) << "a line that has gone keeps the board";
}

// A new puzzle starts again from memory, whatever its folder did with the temporary collection;
// a read-only install names each file it could not write once.
TEST_F(UndoResetTest, ResetOfANewPuzzleStartsItAgainFromMemory) {
    // The folder is read-only; the temporary collection as it is now (nullptr: as written).
    const std::pair<bool, const char*> cases[] = {
        {true, nullptr}, {false, "00001,3,121222332,02030601020504070800\r\n"}, {false, ""}};
    for (const auto& [read_only, temporary_collection_now] : cases) {
        platform.folder = platform.working = read_only ? folder.file("read-only/") : folder.slash();
        platform.messages.clear();
        restart();
        const std::string start = board();
        form->hint();
        click(form->TargetCell);
        ASSERT_NE(board(), start) << "the hint's move is played";
        if (temporary_collection_now) folder.write("kaldertemp.tmp", temporary_collection_now);
        reset(6);
        EXPECT_EQ(std::pair(board(), form->PuzNum.Text), std::pair(start, std::string("P# 1 of 1")))
            << read_only << temporary_collection_now;
        EXPECT_TRUE(!read_only || platform.messages.size() == 4u) << "three files, reset";
    }
}

// Solved means every cell locked and showing its row; a win is counted once and the next
// puzzle follows under the busy pointer: the next line, or after the last line or a damaged
// one, a new puzzle of the same size.
TEST_F(Form1Test, ASolvedBoardCountsAWinAndShowsTheNextPuzzle) {
    form->TempCollectionPath = folder.file("kaldertemp.tmp");
    const auto set_board = [&](const std::string& values, int open_cell = 0) {
        for (int k = 1; k <= form->board.CellCount; ++k) {
            form->CellD[k].Caption = values.substr(k - 1, 1);
            form->board.CellMark[k] = k == open_cell ? "" : "X";
        }
        form->CheckSolved();
    };
    const std::string path = collection({puzzle_line(SampleBody), puzzle_line(SampleBody)});
    show(path);
    set_board("111222333", 5);
    set_board("222111333");
    EXPECT_TRUE(platform.messages.empty()) << "one cell open, then rows out of order";
    show(path);
    set_board("111222333");
    EXPECT_EQ(std::tuple(platform.message_texts(), platform.messages.at(0).icon_slots,
                         form->PuzNum.Text, board(), form->Score1.session(1), platform.trace),
              std::tuple(std::vector<std::string>{"Its all done!"}, std::vector<int>{5},
                         "P# 2 of 2", "1 2 1 2 2 2 3 3 2", "1", "M~+-"));
    platform.messages.clear();
    set_board("111222333");
    EXPECT_EQ(std::tuple(platform.message_texts(), form->CollectionPath, form->board.GridSize,
                         platform.busy),
              std::tuple(std::vector<std::string>{"Its all done!", "Created puzzle"},
                         folder.file("kaldertemp.tmp"), 3, false));
    show(collection({puzzle_line(SampleBody), "00002,3,12\r\n"}));
    set_board("111222333");
    EXPECT_EQ(std::pair(form->CollectionPath, form->Score1.session(2)),
              std::pair(folder.file("kaldertemp.tmp"), std::string("3")))
        << "not the solved board again";
}

// A hint points at the next move of a solution whatever was selected before.
TEST_F(UndoResetTest, AHintEndsTheSelectionBeforeItPoints) {
    form->hint();
    const auto pointed = std::pair(form->SourceCell, form->TargetCell);
    for (int cell = 1; cell <= 9; ++cell) {
        form->Form_MouseUp(MouseEvent{});
        click(cell);
        form->hint();
        EXPECT_EQ(std::pair(form->SourceCell, form->TargetCell), pointed) << cell;
    }
}

TEST_F(UndoResetTest, ADeadEndIsMarkedAndHTellsTheWayBack) {
    move(4, 7);
    move(9, 6);  // no solution from here on
    EXPECT_EQ(form->Gsize.ToolTipText, "No solution from here");
    move(5, 4);
    form->hint();
    form->solve_from_here();
    EXPECT_EQ(std::tuple(form->SourceCell, platform.messages.size(), form->Score1.session(4)),
              std::tuple(-1, 2u, "0"))
        << "no move is pointed at or played";
    EXPECT_NE(platform.messages.at(0).text.find("Undo 2 moves "), std::string::npos);
    form->back_to_solvable();
    EXPECT_EQ(std::pair(form->Gsize.ToolTipText, form->UndoList.size()),
              std::pair(std::string("Grid Size"), 1ul));
    show_body("111111111,");  // no way back to tell
    form->hint();
    EXPECT_EQ(platform.messages.back().text, "No solution from here");
}

}  // namespace
}  // namespace kalder::testing
