#include "core/app/form1.h"
#include "core/base/vb_number.h"

namespace kalder {

namespace {

int centre_x(const CellLabel& cell) {
    return cell.Left + static_cast<int>(Form1::CellSize / 2);
}
int centre_y(const CellLabel& cell) {
    return cell.Top + static_cast<int>(Form1::CellSize / 2);
}

void hide_arrows(Form1& form) {
    form.Lft.Visible = form.Rght.Visible = form.Up.Visible = form.Down.Visible = false;
}

// The selection's tooltips ("-1" on the source, "+1" where the line points) go with it, and
// so does that of the cell clicked to end it (0 for none).
void end_selection(Form1& form, int clicked) {
    for (const int cell : {form.SourceCell, form.TargetCell, clicked}) {
        if (form.board.on_board(cell)) form.CellD[cell].ToolTipText.clear();
    }
    form.SourceCell = -1;
    form.TargetCell = -1;
    form.Line1.Visible = false;
}

}  // namespace

// While a solution plays, the board belongs to the replay.
void Form1::CellD_MouseUp(int index, const MouseEvent&) {
    if (SolverBusy || !board.on_board(index) || CellD[index].Caption.empty()) return;
    if (SourceCell < 1) {
        if (caption_value(index) > 1) {
            SourceCell = index;
            Line1 = {true, centre_x(CellD[index]), centre_y(CellD[index]), centre_x(CellD[index]),
                     centre_y(CellD[index])};
            CellD[index].ToolTipText = "-1";
        }
        return;
    }
    const Move move{SourceCell, index};
    HideMoveMarks();
    end_selection(*this, index);
    if (make_move(move)) RedoList.clear();
    CheckSolved();
}

// The one path of a move, for a click and for redo alike.
bool Form1::make_move(Move move) {
    Position position = position_on_board();
    if (!position.is_legal(move)) return false;
    UndoList.push_front(position.record_of(move));
    position.play(move);
    show_cell(position, move.giver);
    show_cell(position, move.receiver);
    board_changed();
    // The selection is over before the arrow's half second: a click meanwhile starts a
    // new one instead of giving again from a source that has already given.
    ShowMoveArrow(move.giver, move.receiver);
    Pause(500);
    // Only the arrows go: a line drawn during the pause belongs to the new selection.
    hide_arrows(*this);
    return true;
}

// A hidden cell (a line with fewer cells than the board) is no neighbour to point at.
void Form1::CellD_MouseMove(int index, const MouseEvent&) {
    if (SolverBusy || !are_adjacent(SourceCell, index, board.GridSize) || !CellD[index].Visible)
        return;
    // Only the cell the line points at offers "+1".
    if (TargetCell != index && board.on_board(TargetCell)) CellD[TargetCell].ToolTipText.clear();
    TargetCell = index;
    Line1.X2 = centre_x(CellD[index]);
    Line1.Y2 = centre_y(CellD[index]);
    CellD[index].ToolTipText = "+1";
}

void Form1::Form_MouseUp(const MouseEvent&) {
    // Each cell is painted as its lock mark says: an open background under a locked cell's
    // light text would hide its value and pass it off as open.
    for (const int cell : {SourceCell, TargetCell}) paint_cell(cell);
    end_selection(*this, 0);
}

void Form1::ShowMoveArrow(int a, int b) {
    if (!board.on_board(a) || !board.on_board(b) || !are_adjacent(a, b, board.GridSize)) return;
    const CellLabel& cell = CellD[a];
    const double left = cell.Left;
    const double top = cell.Top;
    const double width = cell.Width;
    const double height = cell.Height;
    const auto place = [](ImageBox& image, double x, double y) {
        image = {true, round_half_even(x), round_half_even(y)};
    };
    const int n = board.GridSize;
    if (b == a + n) place(Down, left, top + height / 1.5);
    if (b == a - n) place(Up, left, top - height / 1.2);
    if (b == a - 1) place(Lft, left - width / 1.2, top);
    if (b == a + 1) place(Rght, left + width / 1.2, top);
}

void Form1::HideMoveMarks() {
    hide_arrows(*this);
    Line1.Visible = false;
}

}  // namespace kalder
