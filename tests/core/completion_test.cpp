#include "form1_fixture.h"

#include "core/game/collection_file.h"

namespace kalder::testing {
namespace {

class CompletionTest : public Form1Test {
  protected:
    void SetUp() override {
        folder.write("c.kdr", puzzle_line(1, 3, SampleBody) + puzzle_line(2, 3, SampleBody) +
                                  puzzle_line(3, 4, "1111222233334444,"));
        load(folder.file("c.kdr"), 1);
    }
    void solve_by_clicks() {
        const auto order = playable_solution();
        ASSERT_EQ(order.size(), static_cast<std::size_t>(form->board.CellCount));
        for (const auto& [giver, receiver] : order) move(giver, receiver);
    }
    void set_board(const std::string& values, bool all_locked) {
        for (int k = 1; k <= 9; ++k) {
            form->CellD[k].Caption = std::string(1, values[k - 1]);
            form->board.CellMark[k] = all_locked ? "X" : "";
        }
    }
};

TEST_F(CompletionTest, AWholeSolveByClicksCountsAWinAndShowsTheNextPuzzle) {
    platform.messages.clear();
    solve_by_clicks();
    EXPECT_EQ(platform.message_texts(), std::vector<std::string>{"Its all done!"});
    EXPECT_EQ(platform.messages[0].icon_slots, std::vector<int>{5});
    EXPECT_EQ(form->PuzzleNumber, 2);
    EXPECT_EQ(form->PuzNum.Text, "P# 2 of 3");
    EXPECT_EQ(locks(), std::vector<bool>(9, false));
    EXPECT_EQ(form->Score1.session(1), "1");
    EXPECT_EQ(form->Score1.session(2), "1");
}

TEST_F(CompletionTest, TheSolvedTestNeedsEveryLockAndRowOrder) {
    set_board("111222333", true);
    form->board.CellMark[5] = "";
    form->CheckSolved();
    EXPECT_TRUE(platform.messages.empty()) << "one cell still open";
    set_board("222111333", true);
    form->CheckSolved();
    EXPECT_TRUE(platform.messages.empty()) << "rows out of order";
    set_board("111222333", true);
    form->CheckSolved();
    EXPECT_EQ(platform.message_texts(), std::vector<std::string>{"Its all done!"});
}

TEST_F(CompletionTest, PuzzlesAppendedMeanwhileAreReachedInTurn) {
    form->ShowPuzzle(folder.file("c.kdr"), 3);
    folder.write("c.kdr", folder.read("c.kdr") + puzzle_line(4, 3, SampleBody));
    for (int k = 1; k <= 16; ++k) form->board.CellMark[k] = "X";
    form->CheckSolved();
    EXPECT_EQ(form->PuzzleNumber, 4);
    EXPECT_EQ(form->PuzNum.Text, "P# 4 of 4");
}

TEST_F(CompletionTest, AfterTheLastPuzzleANewOneOfTheSameSizeFollows) {
    form->ShowPuzzle(folder.file("c.kdr"), 3);
    for (int k = 1; k <= 16; ++k) form->board.CellMark[k] = "X";
    platform.messages.clear();
    form->CheckSolved();
    EXPECT_EQ(platform.message_texts(),
              (std::vector<std::string>{"Its all done!", "Created puzzle"}));
    EXPECT_EQ(form->CollectionPath, folder.file("kaldertemp.tmp"));
    EXPECT_EQ(form->PuzzleNumber, 1);
    EXPECT_EQ(form->board.GridSize, 4);
    EXPECT_FALSE(platform.busy);
}

TEST_F(CompletionTest, ADamagedNextLineLeadsToANewPuzzleNotARepeatedWin) {
    folder.write("c.kdr", puzzle_line(1, 3, SampleBody) + "00002,3,12\r\n");
    form->ShowPuzzle(folder.file("c.kdr"), 1);
    solve_by_clicks();
    EXPECT_EQ(form->CollectionPath, folder.file("kaldertemp.tmp"));
    EXPECT_EQ(form->Score1.session(2), "1");
    click(1);
    click(2);
    EXPECT_EQ(form->Score1.session(2), "1");
}

}  // namespace
}  // namespace kalder::testing
