#include "core/game/puzzle_line.h"
#include "form1_fixture.h"

namespace kalder::testing {
namespace {

std::string tips(const Form1& form) {
    std::string all;
    for (int k = 1; k <= form.board.CellCount; ++k) all += form.CellD[k].ToolTipText + "|";
    return all;
}

// A cell showing 2 or more gives one unit to a neighbour, which locks; a locked cell may still
// give. Each move is recorded whole for undo. A click during the arrow's pause starts a fresh
// selection; the source gives once.
TEST_F(Form1Test, AMoveGivesOneUnitToANeighbourAndLocksIt) {
    show_body("121222332,");
    click(1);  // a 1 cannot give: no selection for the next click
    platform.during_wait.push_back([&] { move(3, 5); });
    move(2, 1);
    EXPECT_EQ(std::tuple(board(), form->UndoList.front(), form->UndoList.size(),
                         form->CellD[1].BackColor, form->CellD[1].ForeColor, form->SourceCell,
                         form->Line1.Visible, form->Lft.Visible),
              std::tuple("2* 1 1 2 2 2 3 3 2", UndoRecord{2, 2, false, 1, 1}, 1u, LockedBack,
                         LockedFore, 5, true, false));
    form->Form_MouseUp(MouseEvent{});
    move(5, 4);
    move(4, 7);
    EXPECT_EQ(std::pair(board(), form->UndoList.front()),
              std::pair(std::string("2* 1 1 2* 1 2 4* 3 2"), UndoRecord{4, 3, true, 7, 3}));
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
}

// A move made during another's pause shows its own arrow alone; both pauses wait on the one
// timer, which the inner one restarts and whose tick ends both.
TEST_F(Form1Test, AMoveInAnothersPauseShowsItsOwnArrowAlone) {
    show_body("555555555,");
    std::string seen;
    const auto arrows = [&] {
        seen += std::string(form->Up.Visible ? "U" : "") + (form->Down.Visible ? "D" : "") + "|";
    };
    platform.during_wait = {[&] {
                                arrows();
                                move(6, 9);
                            },
                            arrows};
    move(5, 2);
    EXPECT_EQ(std::pair(seen, platform.clock_seconds), std::pair(std::string("U|D|"), 43200.5));
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
    EXPECT_EQ(std::pair(tips(*form), form->SourceCell), std::pair(std::string("|||||||||"), -1))
        << "ended by a move";
    click(6);
    form->CellD_MouseMove(3, MouseEvent{});
    form->Form_MouseUp(MouseEvent{});
    // The locked source keeps its dark colours, so its light text stays readable.
    EXPECT_EQ(std::tuple(tips(*form), form->SourceCell, form->TargetCell, form->Line1.Visible,
                         form->CellD[6].BackColor, form->CellD[6].ForeColor,
                         form->CellD[3].BackColor, form->CellD[3].ForeColor),
              std::tuple("|||||||||", -1, -1, false, LockedBack, LockedFore,
                         form->open_cell_colour(), LockedBack))
        << "ended on the background";
    show_body("1212,0102");
    click(4);
    for (const int hidden : {5, 7}) form->CellD_MouseMove(hidden, MouseEvent{});
    EXPECT_EQ(std::tuple(form->TargetCell, form->Line1.X2, tips(*form)),
              std::tuple(-1, form->CellD[4].Left + 250, "|||-1||||||"))
        << "never at a hidden cell";
}

// Two top-row cells showing 1 that give only to each other wait for each other for ever.
TEST(VerifyPuzzleLine, MovesThatWaitForEachOtherAreRefused) {
    EXPECT_EQ(verify_puzzle_line("00001,3,111222342,020106070803040508"),
              "no order of the moves can be played");
}

}  // namespace
}  // namespace kalder::testing
