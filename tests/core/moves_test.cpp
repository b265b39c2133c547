#include "core/app/move_arrow.h"
#include "form1_fixture.h"

namespace kalder::testing {
namespace {

std::string tips(const Form1& form) {
    std::string all;
    for (int k = 1; k <= form.board.CellCount; ++k) all += form.CellD[k].ToolTipText + "|";
    return all;
}

// A cell showing 2 or more gives one unit to a neighbour, which locks; each move is recorded
// whole for undo. A move made during another's pause shows its own arrow alone, and the one
// timer's tick ends both pauses; a click then starts a fresh selection.
TEST_F(Form1Test, AMoveGivesOneUnitToANeighbourAndLocksIt) {
    show_body("121222332,");
    click(1);  // a 1 cannot give: no selection for the next click
    std::string arrows;
    const auto seen = [&] {
        arrows += std::string(form->Lft.Visible ? "L" : "") + (form->Up.Visible ? "U" : "") + "|";
    };
    platform.during_wait = {[&] {
                                seen();
                                move(6, 3);
                                click(5);
                            },
                            seen};
    move(2, 1);
    EXPECT_EQ(
        std::tuple(arrows, platform.clock_seconds, board(), form->UndoList[1],
                   form->UndoList.size(), form->CellD[1].BackColor, form->CellD[1].ForeColor,
                   form->SourceCell, form->Line1.Visible, form->Lft.Visible || form->Up.Visible),
        std::tuple("L|U|", 43200.5, "2* 1 2* 2 2 1 3 3 2", UndoRecord{2, 2, false, 1, 1}, 2u,
                   LockedBack, LockedFore, 5, true, false));
}

TEST_F(Form1Test, RefusedClicksOnlyEndTheSelection) {
    show_body("333333333,");
    move(2, 1);
    const std::string before = board();
    // A locked target, no neighbour, the source itself, cells at the two ends of a row.
    for (const auto& [source, target] : {std::pair{2, 1}, {5, 9}, {5, 5}, {3, 4}, {7, 6}}) {
        click(source);
        ASSERT_EQ(form->SourceCell, source);
        click(target);
        EXPECT_EQ(std::tuple(board(), form->UndoList.size(), form->SourceCell),
                  std::tuple(before, 1u, -1))
            << source << ">" << target;
    }
    Position p(3);
    for (const Move off_board : {Move{1, 10}, Move{0, 1}}) p.give(off_board);
    EXPECT_EQ(p, Position(3)) << "a cell off the board is never touched";
}

// The line follows the pointer over shown neighbours only; the tips tell what the selection
// now offers and go when it ends, however it ends.
TEST_F(Form1Test, TheLineAndTheTipsFollowTheSelection) {
    show_body("121222332,");
    click(5);
    for (const int over : {6, 2, 4, 9}) form->CellD_MouseMove(over, MouseEvent{});
    EXPECT_EQ(std::pair(tips(*form), form->Line1.X2),
              std::pair(std::string("|||+1|-1|||||"), form->CellD[4].Left + 250))
        << "the line left 6 and 2 for 4, and 9 is no neighbour";
    click(4);
    click(4);
    form->CellD_MouseMove(1, MouseEvent{});
    form->Form_MouseUp(MouseEvent{});
    // The locked source keeps its dark colours, so its light text stays readable.
    EXPECT_EQ(std::tuple(tips(*form), form->SourceCell, form->TargetCell, form->Line1.Visible,
                         form->CellD[4].BackColor, form->CellD[4].ForeColor,
                         form->CellD[1].BackColor, form->CellD[1].ForeColor),
              std::tuple("|||||||||", -1, -1, false, LockedBack, LockedFore,
                         form->open_cell_colour(), LockedBack))
        << "ended by a move, then on the background";
    show_body("1212,0102");
    click(4);
    for (const int hidden : {5, 7}) form->CellD_MouseMove(hidden, MouseEvent{});
    EXPECT_EQ(std::tuple(form->TargetCell, form->Line1.X2, tips(*form)),
              std::tuple(-1, form->CellD[4].Left + 250, "|||-1||||||"))
        << "never at a hidden cell";
}

bool overlap(const TwipRect& a, const TwipRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// A cell's value, two digits of bold 15 point Arial at most, and the cell's edge around it.
TEST_F(Form1Test, TheArrowCrossesTheCellsEdgeAndHidesNeitherValue) {
    form->board.GridSize = 5;
    form->LayoutBoard();
    const std::tuple<int, const ImageBox&, ArrowDirection> cases[] = {
        {14, form->Rght, ArrowDirection::Right},
        {12, form->Lft, ArrowDirection::Left},
        {8, form->Up, ArrowDirection::Up},
        {18, form->Down, ArrowDirection::Down}};
    for (const auto& [receiver, image, direction] : cases) {
        form->ShowMoveArrow(13, receiver);
        const TwipRect glyph = arrow_glyph(image, direction, 500);
        for (const int cell : {13, receiver}) {
            const CellLabel& label = form->CellD[cell];
            EXPECT_TRUE(overlap(glyph, {label.Left, label.Top, 500, 500})) << receiver;
            EXPECT_FALSE(overlap(glyph, {label.Left + 83, label.Top + 143, 334, 214})) << receiver;
        }
    }
}

}  // namespace
}  // namespace kalder::testing
