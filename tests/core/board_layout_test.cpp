#include "form1_fixture.h"

namespace kalder::testing {
namespace {

TEST(BoardLeft, CentresTheBoardForEveryGridSize) {
    const std::pair<int, int> expected[] = {{3, 1668}, {4, 1418}, {5, 1168}, {6, 918},
                                            {7, 668},  {8, 418},  {9, 168}};
    for (const auto& [n, left] : expected) {
        EXPECT_EQ(Form1::board_left_for(Form1::DesignWidth, n), left) << "N = " << n;
    }
}

TEST_F(Form1Test, TheTopBarButtonsSitInARowWithTheirTips) {
    struct Case {
        const BoxControl* button;
        int left;
        const char* tip;
    };
    const Case cases[] = {
        {&form->arrows[0], 60, "Previous puzzle, right-click for first puzzle"},
        {&form->arrows[1], 450, "Random puzzle"},
        {&form->arrows[2], 840, "Next puzzle, right-click for last puzzle"},
        {&form->cmdreset, 3165, "Reset Puzzle"},
        {&form->cmdcreate, 3555, "Create New Puzzle, rightclick for options"},
        {&form->cmdundo, 3945, "Undo last move"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.button->Left(), c.left) << c.tip;
        EXPECT_EQ(c.button->Top(), 60) << c.tip;
        EXPECT_EQ(c.button->Width(), 390) << c.tip;
        EXPECT_EQ(c.button->Height(), 360) << c.tip;
        EXPECT_EQ(c.button->ToolTipText, c.tip);
    }
    EXPECT_EQ(form->Gsize.ToolTipText, "Grid Size");
}

TEST_F(Form1Test, LayoutPlacesCellsRowByRowBelowTheTopBar) {
    for (int n = MinGridSize; n <= MaxGridSize; ++n) {
        form->board.GridSize = n;
        form->LayoutBoard();
        const int left = Form1::board_left_for(Form1::DesignWidth, n);
        ASSERT_EQ(form->board.CellCount, n * n);
        for (int k = 1; k <= n * n; ++k) {
            const CellLabel& cell = form->CellD[k];
            EXPECT_EQ(cell.Left, left + 500 * ((k - 1) % n)) << "N " << n << " cell " << k;
            EXPECT_EQ(cell.Top, left + 450 + 500 * ((k - 1) / n)) << "N " << n << " cell " << k;
            EXPECT_TRUE(cell.Visible);
            EXPECT_EQ(form->board.RowOf(k), (k - 1) / n + 1);
            EXPECT_EQ(form->board.ColOf(k), (k - 1) % n + 1);
            EXPECT_EQ(form->board.CellAt(form->board.RowOf(k), form->board.ColOf(k)), k);
        }
    }
}

TEST_F(Form1Test, NineByNineCornersAndSmallerBoardHidesTheRest) {
    form->board.GridSize = 9;
    form->LayoutBoard();
    EXPECT_EQ(form->CellD[1].Left, 168);
    EXPECT_EQ(form->CellD[1].Top, 618);
    EXPECT_EQ(form->CellD[81].Left, 4168);
    EXPECT_EQ(form->CellD[81].Top, 4618);

    form->board.GridSize = 3;
    form->LayoutBoard();
    ASSERT_EQ(form->CellD.size(), 82u) << "cells are created once and kept";
    for (int k = 1; k <= 81; ++k) EXPECT_EQ(form->CellD[k].Visible, k <= 9) << "cell " << k;
}

TEST_F(Form1Test, CellMapsAnswerZeroOffTheBoard) {
    form->board.GridSize = 4;
    form->LayoutBoard();
    EXPECT_EQ(form->board.CellAt(0, 1), 0);
    EXPECT_EQ(form->board.CellAt(5, 1), 0);
    EXPECT_EQ(form->board.CellAt(1, 5), 0);
    EXPECT_EQ(form->board.CellAt(-3, 100), 0);
    EXPECT_EQ(form->board.RowOf(17), 0);
    EXPECT_EQ(form->board.ColOf(0), 0);
}

}  // namespace
}  // namespace kalder::testing
