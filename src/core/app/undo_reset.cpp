#include "core/app/form1.h"

namespace kalder {

void Form1::cmdundo_MouseUp(const MouseEvent&) {
    if (UndoList.empty() || SolverBusy) return;
    const UndoRecord record = UndoList.front();
    Position position = position_on_board();
    position.take_back(record);
    // Undo also writes the restored values as the cells' values, as the program always did.
    for (const int cell : {record.source, record.target}) {
        if (board.on_board(cell)) board.CellValue[cell] = position.value(cell);
        show_cell(position, cell);
    }
    UndoList.pop_front();
    RedoList.push_front({record.source, record.target});
    // A selected source that undo took back below 2 can no longer give.
    if (board.on_board(SourceCell) && caption_value(SourceCell) < 2) Form_MouseUp(MouseEvent{});
    board_changed();
}

void Form1::cmdreset_MouseUp(const MouseEvent&) {
    if (SolverBusy) return;
    const int answer = MsgboxA("Reset current puzzle?", "vbquestion+vbyesno");
    if (answer != 6) return;
    show_again_from_start();
}

}  // namespace kalder
