#include "form1_fixture.h"

namespace kalder::testing {
namespace {

std::string tips(const Form1& form) {
    std::string all;
    for (int k = 1; k <= form.board.CellCount; ++k) all += form.CellD[k].ToolTipText + "|";
    return all;
}

// A cell showing 2 or more gives one unit to a neighbour, which locks; a locked cell may still
// give; a 9 that receives shows 10. Each move is recorded whole for undo.
TEST_F(Form1Test, AMoveGivesOneUnitToANeighbourAndLocksIt) {
    show_body("991111111,");
    move(1, 2);
    EXPECT_EQ(form->UndoList.front(), (UndoRecord{1, 9, false, 2, 9}));
    EXPECT_EQ(board(), "8 10* 1 1 1 1 1 1 1");
    show_body("121222332,");
    click(1);
    EXPECT_EQ(form->SourceCell, -1) << "a 1 cannot give";
    click(2);
    EXPECT_EQ(std::tuple(form->SourceCell, form->Line1.Visible, form->CellD[2].ToolTipText),
              std::tuple(2, true, "-1"));
    EXPECT_EQ(std::tuple(form->Line1.X1, form->Line1.Y2),
              std::tuple(form->CellD[2].Left + 250, form->CellD[2].Top + 250));
    click(1);
    EXPECT_EQ(board(), "2* 1 1 2 2 2 3 3 2");
    EXPECT_EQ(form->UndoList.front(), (UndoRecord{2, 2, false, 1, 1}));
    EXPECT_EQ(std::tuple(form->CellD[1].BackColor, form->CellD[1].ForeColor),
              std::tuple(LockedBack, LockedFore));
    EXPECT_EQ(std::tuple(form->SourceCell, form->Line1.Visible, form->Lft.Visible),
              std::tuple(-1, false, false));
    EXPECT_DOUBLE_EQ(platform.clock_seconds, 12 * 3600.0 + 1) << "two half-second pauses";
    click(2);
    EXPECT_EQ(form->SourceCell, -1) << "it gave its spare unit";
    move(5, 4);
    move(4, 7);
    EXPECT_EQ(board(), "2* 1 1 2* 1 2 4* 3 2");
    EXPECT_EQ(form->UndoList.front(), (UndoRecord{4, 3, true, 7, 3}));
}

TEST_F(Form1Test, RefusedClicksOnlyEndTheSelection) {
    show_body("121222332,");
    move(2, 1);
    const struct {
        int source, target;
        const char* why;
    } refused[] = {
        {5, 1, "locked target"},         {5, 9, "not adjacent"}, {5, 5, "the source itself"},
        {3, 4, "3 and 4 share no edge"}, {7, 6, "nor 7 and 6"},
    };
    for (const auto& c : refused) {
        const std::string before = form->CellD[c.source].Caption;
        form->CellD[c.source].Caption = "3";
        const std::string with_source = board();
        click(c.source);
        ASSERT_EQ(form->SourceCell, c.source) << c.why;
        click(c.target);
        EXPECT_EQ(board(), with_source) << c.why;
        EXPECT_EQ(form->UndoList.size(), 1u) << c.why;
        EXPECT_EQ(form->SourceCell, -1) << c.why;
        form->CellD[c.source].Caption = before;
    }
}

TEST_F(Form1Test, TheArrowPointsFromSourceToTargetDuringThePause) {
    show_body("555555555,");
    const int l = form->CellD[5].Left, t = form->CellD[5].Top;
    const struct {
        int target;
        const ImageBox Form1::*image;
        int left, top;
    } cases[] = {{8, &Form1::Down, l, t + 333},
                 {2, &Form1::Up, l, t - 417},
                 {4, &Form1::Lft, l - 417, t},
                 {6, &Form1::Rght, l + 417, t},
                 {3, nullptr, 0, 0}};
    for (const auto& c : cases) {
        form->HideMoveMarks();
        form->ShowMoveArrow(c.target == 3 ? 4 : 5, c.target);
        const int shown =
            form->Lft.Visible + form->Rght.Visible + form->Up.Visible + form->Down.Visible;
        EXPECT_EQ(shown, c.image ? 1 : 0) << c.target << ": one arrow, none across a row end";
        if (!c.image) continue;
        const ImageBox& image = (*form).*(c.image);
        EXPECT_EQ(std::tuple(image.Visible, image.Left, image.Top), std::tuple(true, c.left, c.top))
            << c.target;
    }
    bool arrow_seen = false;
    platform.during_wait.push_back([&] { arrow_seen = form->Up.Visible; });
    move(5, 2);
    EXPECT_TRUE(arrow_seen);
}

// The line follows the pointer over shown neighbours only; the tips tell what the selection
// now offers and go when it ends, however it ends.
TEST_F(Form1Test, TheLineAndTheTipsFollowTheSelection) {
    show_body("121222332,");
    click(5);
    for (const int over : {6, 9}) form->CellD_MouseMove(over, MouseEvent{});
    EXPECT_EQ(std::tuple(form->TargetCell, form->Line1.X2),
              std::tuple(6, form->CellD[6].Left + 250));
    form->CellD_MouseMove(2, MouseEvent{});
    form->CellD_MouseMove(4, MouseEvent{});
    EXPECT_EQ(tips(*form), "|||+1|-1|||||") << "the line left 2 for 4";
    click(6);
    EXPECT_EQ(tips(*form), "|||||||||") << "ended by a move";
    click(6);
    form->CellD_MouseMove(3, MouseEvent{});
    form->Form_MouseUp(MouseEvent{});
    EXPECT_EQ(tips(*form), "|||||||||") << "ended on the background";
    EXPECT_EQ(std::tuple(form->SourceCell, form->TargetCell, form->Line1.Visible),
              std::tuple(-1, -1, false));
    // The locked source keeps its dark colours, so its light text stays readable.
    EXPECT_EQ(std::tuple(form->CellD[6].BackColor, form->CellD[6].ForeColor),
              std::tuple(LockedBack, LockedFore));
    EXPECT_EQ(std::tuple(form->CellD[3].BackColor, form->CellD[3].ForeColor),
              std::tuple(form->open_cell_colour(), LockedBack));
    click(7);
    form->CellD_MouseMove(4, MouseEvent{});
    show_body("1212,0102");
    EXPECT_EQ(tips(*form), "|||||||||") << "ended by showing a puzzle";
    click(4);
    for (const int hidden : {5, 7}) form->CellD_MouseMove(hidden, MouseEvent{});
    EXPECT_EQ(std::tuple(form->TargetCell, form->Line1.X2, tips(*form)),
              std::tuple(-1, form->CellD[4].Left + 250, "|||-1||||||"))
        << "never at a hidden cell";
    form->CellD_MouseMove(1, MouseEvent{});
    EXPECT_EQ(form->TargetCell, 1);
}

TEST_F(Form1Test, ClicksDuringTheArrowPauseStartAFreshSelection) {
    show_body("121222332,");
    platform.during_wait.push_back([&] { move(3, 5); });
    move(2, 1);
    EXPECT_EQ(board(), "2* 1 1 2 2 2 3 3 2") << "the source gives once per selection";
    EXPECT_EQ(std::tuple(form->UndoList.size(), form->SourceCell, form->Line1.Visible),
              std::tuple(1u, 5, true));
}

}  // namespace
}  // namespace kalder::testing
