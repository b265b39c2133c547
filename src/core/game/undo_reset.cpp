#include "core/app/form1.h"

namespace kalder {

void Form1::restore_cell(int cell, int value, bool is_locked) {
    if (!board.on_board(cell)) return;
    board.CellValue[cell] = value;
    CellD[cell].Caption = std::to_string(value);
    board.set_locked(cell, is_locked);
}

void Form1::cmdundo_MouseUp(const MouseEvent&) {
    if (UndoList.empty() || SolverBusy) return;
    const UndoRecord record = UndoList.front();
    restore_cell(record.source, record.source_value, record.source_locked);
    restore_cell(record.target, record.target_value, false);
    for (const int cell : {record.source, record.target}) {
        if (!board.on_board(cell)) continue;
        if (board.locked(cell)) {
            paint_locked(cell);
        } else {
            paint_open(cell);
        }
    }
    UndoList.pop_front();
    // A selected source that undo took back below 2 can no longer give.
    if (board.on_board(SourceCell) && caption_value(SourceCell) < 2) Form_MouseUp(MouseEvent{});
}

void Form1::cmdreset_MouseUp(const MouseEvent&) {
    if (SolverBusy) return;
    const int answer = MsgboxA("Reset current puzzle?", "vbquestion+vbyesno");
    platform_.process_events();
    if (answer != 6) return;
    // A new puzzle starts again from memory: a folder that would not take it may have left the
    // temporary collection missing, or holding an older puzzle.
    if (CollectionPath == TempCollectionPath) {
        show_new_puzzle(board.GridSize);
        return;
    }
    ShowPuzzle(CollectionPath, PuzzleNumber);
}

}  // namespace kalder
