#include "core/app/form1.h"
#include "core/files/collection_file.h"

namespace kalder {

void Form1::CheckSolved() {
    if (!position_on_board().solved()) return;
    Score1.set_WonSession(true);
    MsgboxA("Its all done!", "vbhappy+vbok");
    platform_.set_busy_pointer(true);
    PuzzleCount = CountLines(CollectionPath);
    ++PuzzleNumber;
    // A next line that cannot be shown must not leave the solved board in play, where every
    // further click would count the same win again: a new puzzle follows instead.
    if (PuzzleNumber > PuzzleCount || ShowPuzzle(CollectionPath, PuzzleNumber)) {
        cmdcreate_MouseUp(MouseEvent{NoButton});
    }
    platform_.set_busy_pointer(false);
}

}  // namespace kalder
