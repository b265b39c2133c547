#include <cctype>

#include "core/app/form1.h"

namespace kalder {

// With no puzzle on the board there is nothing to give up, so nothing is counted.
void Form1::mnusolve_Click() {
    if (SolverBusy || PuzzleBody.empty()) return;
    SolverBusy = true;
    UndoList.clear();
    Score1.set_LostSession(true);
    ShowSolution(PuzzleBody, 1000);
    SolverBusy = false;
    platform_.set_busy_pointer(false);
}

// Plays the stored solution: step k lets cell p(k) give one unit to cell k. Pairs that name
// no cell of this board, that are not two digits, or that go beyond the last cell come only
// from damaged lines; they are skipped so the replay never touches anything off the board.
void Form1::ShowSolution(const std::string& body, int delay) {
    platform_.set_busy_pointer(true);
    const auto comma = body.find(',');
    const std::string cells = body.substr(0, comma);
    const std::string moves = comma == std::string::npos ? "" : body.substr(comma + 1);
    const int shown_cells = std::min(static_cast<int>(cells.size()), board.CellCount);
    // The board goes back to its start, so a selection made on it before is over, as if the
    // player had clicked beside the board: no later click can give from a source unseen.
    Form_MouseUp(MouseEvent{});
    for (int k = 1; k <= shown_cells; ++k) {
        const char digit = cells[k - 1];
        restore_cell(k, std::isdigit(static_cast<unsigned char>(digit)) ? digit - '0' : 0, false);
        paint_open(k);
    }
    int k = 0;
    for (std::size_t i = 0; i + 1 < moves.size() && k < shown_cells; i += 2) {
        ++k;
        const char tens = moves[i];
        const char units = moves[i + 1];
        if (!std::isdigit(static_cast<unsigned char>(tens)) ||
            !std::isdigit(static_cast<unsigned char>(units))) {
            continue;
        }
        const int p = (tens - '0') * 10 + (units - '0');
        if (p < 1 || p > shown_cells) continue;
        HideMoveMarks();
        ShowMoveArrow(p, k);
        if (delay > 0) Pause(delay);
        HideMoveMarks();
        CellD[k].Caption = std::to_string(caption_value(k) + 1);
        CellD[p].Caption = std::to_string(caption_value(p) - 1);
        paint_locked(k);
        board.set_locked(k, true);
    }
    platform_.set_busy_pointer(false);
    MsgboxA("Done", "vbinformation+vbok");
    platform_.process_events();
    for (int cell = 1; cell <= shown_cells; ++cell) {
        restore_cell(cell, board.CellValue[cell], false);
        paint_open(cell);
    }
}

}  // namespace kalder
