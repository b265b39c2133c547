#include "core/app/form1.h"
#include "core/files/colour_scheme.h"
#include "core/rules/exact_solver.h"
#include "core/rules/grade.h"

namespace kalder {

namespace {

constexpr Colour PlainBack = RGB(0, 0, 0);
constexpr const char* DeadEndTip = "No solution from here";

}  // namespace

// The place is kept for the next session. The dead-end mark goes up only on a proven dead
// end; a position the solver could not settle in its budget is given the benefit of the doubt.
void Form1::board_changed() {
    keep_place();
    const bool dead_end = solve(position_on_board()).verdict == Verdict::none;
    Gsize.BackColor = dead_end ? DeadEndColor : PlainBack;
    Gsize.ForeColor = readable_text_on(Gsize.BackColor);
    Gsize.ToolTipText = dead_end ? DeadEndTip : "Grid Size";
}

std::string Form1::grade_text() const {
    const int grade = PuzzleGrade();
    if (grade == 0) return "";
    return "Grade " + std::to_string(grade) + " of " + std::to_string(HardestGrade);
}

// The dead end, as the tip tells it, and the grade.
std::string Form1::grid_size_description() const {
    const std::string text = Gsize.ToolTipText == DeadEndTip ? DeadEndTip : "";
    const std::string grade = grade_text();
    return text.empty() || grade.empty() ? text + grade : text + ". " + grade;
}

// The box's own tip stays as it is; the grade its pips show follows on a line of its own.
std::string Form1::grid_size_tip() const {
    const std::string grade = grade_text();
    return grade.empty() ? Gsize.ToolTipText : Gsize.ToolTipText + "\n" + grade;
}

int Form1::moves_back_to_solvable() const {
    Position position = position_on_board();
    int back = 0;
    for (const UndoRecord& record : UndoList) {
        position.take_back(record);
        ++back;
        if (solve(position).verdict == Verdict::solution) return back;
    }
    return 0;
}

void Form1::tell_dead_end() {
    const int back = moves_back_to_solvable();
    std::string text = DeadEndTip;
    if (back > 0) {
        text += "\r\nUndo " + std::to_string(back) + (back == 1 ? " move" : " moves") +
                " to get back to a solvable position (Shift+H goes back at once)";
    }
    MsgboxA(text, "vbinformation+vbok");
}

// The next move of a solution is selected as if the player had pointed at it: a click on the
// receiver plays it.
void Form1::hint() {
    if (SolverBusy) return;
    const SolveResult result = solve(position_on_board());
    if (result.verdict == Verdict::none) tell_dead_end();
    if (result.verdict != Verdict::solution || result.moves.empty()) return;
    const Move next = result.moves.front();
    Form_MouseUp(MouseEvent{});
    CellD_MouseUp(next.giver, MouseEvent{});
    CellD_MouseMove(next.receiver, MouseEvent{});
}

void Form1::back_to_solvable() {
    if (SolverBusy || solve(position_on_board()).verdict != Verdict::none) return;
    for (int back = moves_back_to_solvable(); back > 0; --back) cmdundo_MouseUp(MouseEvent{});
}

void Form1::redo() {
    if (RedoList.empty() || SolverBusy) return;
    const Move move = RedoList.front();
    RedoList.pop_front();
    // As a click would, a move ends the selection first.
    Form_MouseUp(MouseEvent{});
    if (!make_move(move)) {
        RedoList.clear();
        return;
    }
    CheckSolved();
}

// Played as Solve plays the stored solution, and counted the same way; afterwards the board
// is back where the player left it, with the undo history intact.
void Form1::solve_from_here() {
    if (SolverBusy) return;
    const Position here = position_on_board();
    const SolveResult result = solve(here);
    if (result.verdict == Verdict::none) tell_dead_end();
    if (result.verdict != Verdict::solution) return;
    SolverBusy = true;
    Score1.set_LostSession(true);
    platform_.set_busy_pointer(true);
    Form_MouseUp(MouseEvent{});
    play_out(here, result.moves, 1000);
    for (const Move move : result.moves) {
        show_cell(here, move.giver);
        show_cell(here, move.receiver);
    }
    SolverBusy = false;
}

}  // namespace kalder
