#include "form1_fixture.h"

namespace kalder::testing {
namespace {

class MovesTest : public Form1Test {
  protected:
    void show(const std::string& body) {
        folder.write("m.kdr", puzzle_line(1, 3, body));
        ASSERT_FALSE(form->ShowPuzzle(folder.file("m.kdr"), 1));
    }
};

TEST_F(MovesTest, OnlyCellsShowingTwoOrMoreCanGive) {
    show("121222332,");
    click(1);
    EXPECT_EQ(form->SourceCell, -1) << "a 1 cannot give";
    click(2);
    EXPECT_EQ(form->SourceCell, 2);
    EXPECT_TRUE(form->Line1.Visible);
    EXPECT_EQ(form->Line1.X1, form->CellD[2].Left + 250);
    EXPECT_EQ(form->Line1.Y2, form->CellD[2].Top + 250);
    EXPECT_EQ(form->CellD[2].ToolTipText, "-1");
}

TEST_F(MovesTest, AMoveGivesOneUnitLocksTheTargetAndRecordsUndo) {
    show("121222332,");
    move(2, 1);
    EXPECT_EQ(captions(), (std::vector<std::string>{"2", "1", "1", "2", "2", "2", "3", "3", "2"}));
    EXPECT_TRUE(form->board.locked(1));
    EXPECT_EQ(form->CellD[1].BackColor, LockedBack);
    EXPECT_EQ(form->CellD[1].ForeColor, LockedFore);
    ASSERT_EQ(form->UndoList.size(), 1u);
    EXPECT_EQ(form->UndoList.front(), (UndoRecord{2, 2, false, 1, 1}));
    EXPECT_EQ(form->SourceCell, -1);
    EXPECT_FALSE(form->Line1.Visible);
    EXPECT_FALSE(form->Lft.Visible) << "the arrow shows only during the half-second pause";
    EXPECT_DOUBLE_EQ(platform.clock_seconds, 12 * 3600.0 + 0.5);

    // The cell gave its spare unit and shows 1: it can no longer give.
    click(2);
    EXPECT_EQ(form->SourceCell, -1);
}

TEST_F(MovesTest, RefusedClicksOnlyEndTheSelection) {
    show("121222332,");
    move(2, 1);
    struct Case {
        int source, target;
        const char* why;
    };
    const Case refused[] = {
        {5, 1, "locked target"},
        {5, 9, "not adjacent"},
        {5, 5, "the source itself"},
        {3, 4, "across the row end: 3 and 4 share no edge"},
        {7, 6, "across the row end backwards"},
    };
    for (const Case& c : refused) {
        const auto before = captions();
        form->CellD[c.source].Caption = "3";
        const auto with_source = captions();
        click(c.source);
        ASSERT_EQ(form->SourceCell, c.source) << c.why;
        click(c.target);
        EXPECT_EQ(captions(), with_source) << c.why;
        EXPECT_EQ(form->UndoList.size(), 1u) << c.why;
        EXPECT_EQ(form->SourceCell, -1) << c.why;
        for (int k = 1; k <= 9; ++k) form->CellD[k].Caption = before[k - 1];
    }
}

TEST_F(MovesTest, ALockedCellMayStillGive) {
    show("121222332,");
    move(5, 2);  // 2 now shows 3 and is locked
    move(2, 3);
    EXPECT_EQ(form->CellD[2].Caption, "2");
    EXPECT_EQ(form->UndoList.front(), (UndoRecord{2, 3, true, 3, 1}));
}

TEST_F(MovesTest, ANineThatReceivesShowsTenAndIsRecordedWhole) {
    show("991111111,");
    move(1, 2);
    EXPECT_EQ(form->CellD[2].Caption, "10");
    EXPECT_EQ(form->UndoList.front(), (UndoRecord{1, 9, false, 2, 9}));
}

TEST_F(MovesTest, ArrowPointsFromSourceToTarget) {
    show("555555555,");
    struct Case {
        int source, target;
        const ImageBox Form1::*image;
        int left, top;
    };
    const int l = form->CellD[5].Left;
    const int t = form->CellD[5].Top;
    const Case cases[] = {
        {5, 8, &Form1::Down, l, t + 333},
        {5, 2, &Form1::Up, l, t - 417},
        {5, 4, &Form1::Lft, l - 417, t},
        {5, 6, &Form1::Rght, l + 417, t},
    };
    for (const Case& c : cases) {
        form->HideMoveMarks();
        form->ShowMoveArrow(c.source, c.target);
        const ImageBox& image = (*form).*(c.image);
        EXPECT_TRUE(image.Visible) << c.target;
        EXPECT_EQ(image.Left, c.left) << c.target;
        EXPECT_EQ(image.Top, c.top) << c.target;
        const int shown =
            form->Lft.Visible + form->Rght.Visible + form->Up.Visible + form->Down.Visible;
        EXPECT_EQ(shown, 1) << "one arrow only";
    }
    form->HideMoveMarks();
    form->ShowMoveArrow(3, 4);
    EXPECT_FALSE(form->Rght.Visible || form->Lft.Visible) << "no arrow across a row end";
}

TEST_F(MovesTest, TheArrowShowsDuringThePause) {
    show("121222332,");
    bool arrow_seen = false;
    platform.during_wait.push_back([&] { arrow_seen = form->Lft.Visible; });
    move(2, 1);
    EXPECT_TRUE(arrow_seen);
}

TEST_F(MovesTest, TheLineFollowsThePointerOverNeighboursOnly) {
    show("121222332,");
    click(5);
    form->CellD_MouseMove(6, MouseEvent{});
    EXPECT_EQ(form->TargetCell, 6);
    EXPECT_EQ(form->Line1.X2, form->CellD[6].Left + 250);
    EXPECT_EQ(form->CellD[6].ToolTipText, "+1");
    form->CellD_MouseMove(9, MouseEvent{});
    EXPECT_EQ(form->TargetCell, 6) << "the line stays at the last neighbour";
    EXPECT_EQ(form->Line1.X2, form->CellD[6].Left + 250);
}

TEST_F(MovesTest, TheLineNeverPointsAtAHiddenCell) {
    folder.write("short.kdr", puzzle_line(1, 3, "1212,0102"));
    ASSERT_FALSE(form->ShowPuzzle(folder.file("short.kdr"), 1));
    click(4);
    ASSERT_EQ(form->SourceCell, 4);
    for (const int hidden : {5, 7}) {
        form->CellD_MouseMove(hidden, MouseEvent{});
        EXPECT_EQ(form->TargetCell, -1) << hidden;
        EXPECT_EQ(form->Line1.X2, form->CellD[4].Left + 250) << hidden;
        EXPECT_EQ(form->CellD[hidden].ToolTipText, "") << hidden;
    }
    form->CellD_MouseMove(1, MouseEvent{});
    EXPECT_EQ(form->TargetCell, 1);
}

TEST_F(MovesTest, AClickOnTheBackgroundCancels) {
    show("121222332,");
    move(5, 2);
    click(2);
    form->CellD_MouseMove(3, MouseEvent{});
    form->Form_MouseUp(MouseEvent{});
    EXPECT_EQ(form->SourceCell, -1);
    EXPECT_EQ(form->TargetCell, -1);
    EXPECT_FALSE(form->Line1.Visible);
    // Both cells keep the colours of their state: the locked source stays dark, so its light
    // text stays readable.
    EXPECT_EQ(form->CellD[2].BackColor, LockedBack);
    EXPECT_EQ(form->CellD[2].ForeColor, LockedFore);
    EXPECT_EQ(form->CellD[3].BackColor, form->open_cell_colour());
    EXPECT_EQ(form->CellD[3].ForeColor, LockedBack);
}

TEST_F(MovesTest, ClicksDuringTheArrowPauseStartAFreshSelection) {
    show("121222332,");
    platform.during_wait.push_back([&] {
        click(3);  // a neighbour of the source that has just given its spare unit
        click(5);
    });
    move(2, 1);
    EXPECT_EQ(captions(), (std::vector<std::string>{"2", "1", "1", "2", "2", "2", "3", "3", "2"}))
        << "the source gives once per selection";
    EXPECT_EQ(form->UndoList.size(), 1u);
    EXPECT_EQ(form->SourceCell, 5) << "the selection made during the pause stays";
    EXPECT_TRUE(form->Line1.Visible);
    EXPECT_FALSE(form->Lft.Visible);
}

TEST_F(MovesTest, TipsShowOnlyWhatTheSelectionNowMeans) {
    show("121222332,");
    const auto tips = [&] {
        std::string all;
        for (int k = 1; k <= 9; ++k) all += form->CellD[k].ToolTipText + "|";
        return all;
    };
    click(5);
    form->CellD_MouseMove(2, MouseEvent{});
    form->CellD_MouseMove(4, MouseEvent{});
    EXPECT_EQ(tips(), "|||+1|-1|||||") << "the line left 2 for 4";

    click(6);
    EXPECT_EQ(tips(), "|||||||||") << "ended by a move";

    click(7);
    form->CellD_MouseMove(8, MouseEvent{});
    form->Form_MouseUp(MouseEvent{});
    EXPECT_EQ(tips(), "|||||||||") << "ended on the background";

    click(7);
    form->CellD_MouseMove(4, MouseEvent{});
    show("121222332,");
    EXPECT_EQ(tips(), "|||||||||") << "ended by showing a puzzle";
}

}  // namespace
}  // namespace kalder::testing
