#include <cctype>

#include "core/app/form1.h"

namespace kalder {

namespace {

int digit_value(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : 0;
}

// Step k of MOVES lets cell p(k) give one unit to cell k. Pairs that name no cell of the
// first `cells` cells, that are not two digits, or that go beyond the last cell come only
// from damaged lines; they are skipped so the replay never touches anything off the board.
std::vector<Move> stored_moves(const std::string& moves, int cells) {
    std::vector<Move> result;
    int k = 0;
    for (std::size_t i = 0; i + 1 < moves.size() && k < cells; i += 2) {
        ++k;
        if (!std::isdigit(static_cast<unsigned char>(moves[i])) ||
            !std::isdigit(static_cast<unsigned char>(moves[i + 1]))) {
            continue;
        }
        const int p = digit_value(moves[i]) * 10 + digit_value(moves[i + 1]);
        if (p >= 1 && p <= cells) result.push_back({p, k});
    }
    return result;
}

}  // namespace

// With no puzzle on the board there is nothing to give up, so nothing is counted.
void Form1::mnusolve_Click() {
    if (SolverBusy || PuzzleBody.empty()) return;
    SolverBusy = true;
    UndoList.clear();
    RedoList.clear();
    Score1.set_LostSession(true);
    ShowSolution(PuzzleBody, 1000);
    SolverBusy = false;
}

void Form1::ShowSolution(const std::string& body, int delay) {
    platform_.set_busy_pointer(true);
    const auto comma = body.find(',');
    const std::string cells = body.substr(0, comma);
    const std::string moves = comma == std::string::npos ? "" : body.substr(comma + 1);
    const int shown_cells = std::min(static_cast<int>(cells.size()), board.CellCount);
    // The board goes back to its start, so a selection made on it before is over, as if the
    // player had clicked beside the board: no later click can give from a source unseen.
    Form_MouseUp(MouseEvent{});
    Position start(board.GridSize);
    for (int k = 1; k <= shown_cells; ++k) {
        board.CellValue[k] = digit_value(cells[k - 1]);
        start.set_cell(k, board.CellValue[k], false);
        show_cell(start, k);
    }
    play_out(start, stored_moves(moves, shown_cells), delay);
    for (int k = 1; k <= shown_cells; ++k) show_cell(start, k);
    board_changed();
}

void Form1::play_out(Position position, const std::vector<Move>& moves, int delay) {
    for (const Move move : moves) {
        HideMoveMarks();
        ShowMoveArrow(move.giver, move.receiver);
        if (delay > 0) Pause(delay);
        HideMoveMarks();
        position.give(move);
        show_cell(position, move.receiver);
        show_cell(position, move.giver);
    }
    platform_.set_busy_pointer(false);
    MsgboxA("Done", "vbinformation+vbok");
}

}  // namespace kalder
