#include "form1_fixture.h"

namespace kalder::testing {
namespace {

class SolverTest : public Form1Test {
  protected:
    void SetUp() override {
        folder.write("c.kdr", puzzle_line(1, 3, SampleBody) + puzzle_line(2, 3, SampleBody));
        load(folder.file("c.kdr"), 1);
        start = captions();
        platform.messages.clear();
    }
    // Records the board after each step of the replay.
    void watch_steps() {
        for (int i = 0; i < 81; ++i) {
            platform.during_wait.push_back([this] { steps.push_back(captions()); });
        }
    }
    std::vector<std::string> start;
    std::vector<std::vector<std::string>> steps;
};

TEST_F(SolverTest, ReplaysTheStoredSolutionAndReturnsToTheStart) {
    move(5, 2);
    watch_steps();
    platform.message_answers = {1};
    const double started = platform.clock_seconds;
    form->menu_Click("mnusolve");
    EXPECT_DOUBLE_EQ(platform.clock_seconds - started, 9.0) << "one second a step";
    ASSERT_GE(steps.size(), 3u);
    EXPECT_EQ(steps[0], start) << "the replay starts from the puzzle's start";
    EXPECT_EQ(steps[2][2], "0") << "cell 3 reads 0 after the second step";
    EXPECT_EQ(platform.message_texts(), std::vector<std::string>{"Done"});
    EXPECT_EQ(captions(), start);
    EXPECT_EQ(locks(), std::vector<bool>(9, false));
    EXPECT_TRUE(form->UndoList.empty());
    EXPECT_FALSE(form->SolverBusy);
    EXPECT_FALSE(platform.busy);
    EXPECT_EQ(form->PuzzleNumber, 1);
    EXPECT_EQ(form->Score1.session(4), "1");
    EXPECT_EQ(form->Score1.session(1), "1");
}

TEST_F(SolverTest, DoneIsShownOnTheSolvedBoard) {
    std::vector<std::string> at_done;
    std::vector<bool> locks_at_done;
    platform.on_message = [&] {
        at_done = captions();
        locks_at_done = locks();
    };
    form->ShowSolution(SampleBody, 0);
    EXPECT_EQ(at_done, (std::vector<std::string>{"1", "1", "1", "2", "2", "2", "3", "3", "3"}));
    EXPECT_EQ(locks_at_done, std::vector<bool>(9, true));
    EXPECT_EQ(captions(), start);
}

// A new puzzle of any size replays one step a second per cell, each with its arrow, and the
// last step reaches the solved rows.
TEST_F(SolverTest, NewPuzzlesOfEverySizeReplayOneStepPerCell) {
    for (int size = MinGridSize; size <= MaxGridSize; ++size) {
        form->NewRandomPuzzle(size);
        const auto puzzle_start = captions();
        int arrows_shown = 0;
        for (int i = 0; i < size * size; ++i) {
            platform.during_wait.push_back([this, &arrows_shown] {
                arrows_shown +=
                    form->Lft.Visible + form->Rght.Visible + form->Up.Visible + form->Down.Visible;
            });
        }
        std::vector<std::string> at_done;
        platform.on_message = [&] { at_done = captions(); };
        const double started = platform.clock_seconds;
        form->mnusolve_Click();
        EXPECT_DOUBLE_EQ(platform.clock_seconds - started, size * size) << size;
        EXPECT_EQ(arrows_shown, size * size) << size;
        std::vector<std::string> solved;
        for (int row = 1; row <= size; ++row) {
            for (int col = 1; col <= size; ++col) solved.push_back(std::to_string(row));
        }
        EXPECT_EQ(at_done, solved) << size;
        EXPECT_EQ(captions(), puzzle_start) << size;
        platform.during_wait.clear();
    }
}

TEST_F(SolverTest, GuardedCommandsAreInertDuringTheReplay) {
    const std::string path = form->CollectionPath;
    platform.during_wait.push_back([this] {
        EXPECT_TRUE(form->SolverBusy);
        form->arrows_MouseUp(2, MouseEvent{});
        form->cmdcreate_MouseUp(MouseEvent{});
        form->cmdundo_MouseUp(MouseEvent{});
        form->cmdreset_MouseUp(MouseEvent{});
        form->mnusolve_Click();
        form->PuzNum.Text = "2";
        form->PuzNum_KeyPress(13);
        click(2);
    });
    form->mnusolve_Click();
    EXPECT_EQ(form->PuzzleNumber, 1);
    EXPECT_EQ(form->CollectionPath, path);
    EXPECT_EQ(platform.message_texts(), std::vector<std::string>{"Done"});
    EXPECT_EQ(form->Score1.session(4), "1") << "one replay, one lost puzzle";
    EXPECT_EQ(captions(), start);
}

TEST_F(SolverTest, ASelectionMadeBeforeTheReplayIsOverAfterIt) {
    click(5);
    ASSERT_EQ(form->SourceCell, 5);
    platform.message_answers = {1};
    form->mnusolve_Click();
    EXPECT_TRUE(form->CellD[5].ToolTipText.empty());
    click(2);  // beside the old source: selects cell 2 instead of giving from cell 5
    EXPECT_EQ(captions(), start);
    EXPECT_TRUE(form->UndoList.empty());
    EXPECT_EQ(form->SourceCell, 2);
}

TEST_F(Form1Test, SolveWithNoPuzzleOnTheBoardCountsNothing) {
    // Before start-up has shown a puzzle.
    ASSERT_EQ(form->board.CellCount, 0);
    form->mnusolve_Click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(form->Score1.session(1), "0");
    EXPECT_EQ(form->Score1.total(4), "0");
}

TEST_F(SolverTest, DamagedMovesAreSkippedAndNeverLeaveTheBoard) {
    const std::string damaged[] = {
        "121222332,",                                      // no moves at all
        "121222332,0203060102050407089",                   // a last odd character
        "121222332,99x30601020504070800",                  // pairs naming no cell
        "121222332,02030601020504070802030405",            // more pairs than cells
        std::string("121222332,\x01\xff") + "0306010205",  // junk bytes
    };
    for (const std::string& body : damaged) {
        platform.messages.clear();
        form->ShowSolution(body, 1000);
        EXPECT_EQ(captions(), start) << body;
        EXPECT_EQ(locks(), std::vector<bool>(9, false)) << body;
        EXPECT_EQ(platform.message_texts(), std::vector<std::string>{"Done"}) << body;
        for (int k = 10; k < static_cast<int>(form->CellD.size()); ++k) {
            EXPECT_TRUE(form->CellD[k].Caption.empty()) << body;
        }
    }
}

}  // namespace
}  // namespace kalder::testing
