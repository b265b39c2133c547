#include "form1_fixture.h"

namespace kalder::testing {
namespace {

class WayBackTest : public Form1Test {
  protected:
    void SetUp() override {
        folder.write("c.kdr", puzzle_line(1, 3, SampleBody) + puzzle_line(2, 3, SampleBody));
        load(folder.file("c.kdr"), 1);
    }
    bool dead_end_shown() const {
        return form->Gsize.ToolTipText == "No solution from here" &&
               form->Gsize.BackColor != RGB(0, 0, 0);
    }
};

TEST_F(WayBackTest, RedoRestoresExactlyAndANewMoveForgetsIt) {
    move(5, 2);
    move(2, 3);  // the locked cell 2 gives
    const auto captions_after = captions();
    const auto undo_after = form->UndoList;
    form->cmdundo_MouseUp(MouseEvent{});
    form->cmdundo_MouseUp(MouseEvent{});
    form->redo();
    form->redo();
    EXPECT_EQ(captions(), captions_after);
    EXPECT_EQ(form->UndoList, undo_after) << "the same moves, the same locks";
    form->cmdundo_MouseUp(MouseEvent{});
    move(5, 4);
    form->redo();
    EXPECT_EQ(form->UndoList.size(), 2u) << "a new move forgets what was undone";
    EXPECT_TRUE(form->RedoList.empty());
}

// Pressing H and clicking where it points, again and again, solves the puzzle.
TEST_F(WayBackTest, HintsLeadToTheSolvedBoard) {
    move(2, 3);  // not the stored solution's first move, but still solvable
    for (int i = 0; i < 8; ++i) {
        form->hint();
        ASSERT_GE(form->SourceCell, 1) << "step " << i;
        ASSERT_TRUE(form->Line1.Visible);
        ASSERT_EQ(form->CellD[form->TargetCell].ToolTipText, "+1");
        click(form->TargetCell);
    }
    EXPECT_EQ(platform.message_texts(), std::vector<std::string>{"Its all done!"});
    EXPECT_EQ(form->PuzzleNumber, 2);
}

TEST_F(WayBackTest, ADeadEndIsMarkedAndHTellsTheWayBack) {
    EXPECT_FALSE(dead_end_shown());
    move(4, 7);
    move(9, 6);  // no solution from here on
    EXPECT_TRUE(dead_end_shown());
    move(5, 4);
    form->hint();
    EXPECT_EQ(form->SourceCell, -1) << "no move is pointed at";
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("Undo 2 moves "), std::string::npos)
        << platform.messages[0].text;
    form->back_to_solvable();
    EXPECT_FALSE(dead_end_shown());
    EXPECT_EQ(form->UndoList.size(), 1u);
}

// Counted and shown as Solve is, from the position in play; afterwards the board and the undo
// history are as the player left them.
TEST_F(WayBackTest, SolvingFromHereCountsAsGivenUpAndPutsTheBoardBack) {
    move(2, 3);
    const auto captions_before = captions();
    const auto locks_before = locks();
    const double clock_before = platform.clock_seconds;
    form->solve_from_here();
    EXPECT_DOUBLE_EQ(platform.clock_seconds - clock_before, 8.0) << "eight steps, a second each";
    EXPECT_TRUE(form->Score1.LostSession());
    EXPECT_EQ(platform.message_texts(), std::vector<std::string>{"Done"});
    EXPECT_EQ(captions(), captions_before);
    EXPECT_EQ(locks(), locks_before);
    EXPECT_EQ(form->UndoList.size(), 1u);
    EXPECT_FALSE(form->SolverBusy);
}

}  // namespace
}  // namespace kalder::testing
