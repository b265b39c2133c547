#include <algorithm>

#include "core/app/form1.h"
#include "core/base/vb_number.h"
#include "core/files/collection_file.h"

namespace kalder {

void Form1::show_puzzle_number() {
    PuzNum.Text = "P#" + signed_text(PuzzleNumber) + " of" + signed_text(PuzzleCount);
}

void Form1::arrows_MouseUp(int index, const MouseEvent& event) {
    if (PuzzleNumber == 0 || SolverBusy) return;
    if (PuzzleNumber == 1 && PuzzleCount == 1) return;
    const int lines = CountLines(CollectionPath);
    // A collection emptied or removed behind the game's back is met as Load meets one: said,
    // and the puzzle in play stays.
    if (lines == 0) {
        MsgboxA("Error reading file: " + CollectionPath, "vbcritical+vbok");
        return;
    }
    PuzzleCount = lines;
    const int old = PuzzleNumber;
    int n = 0;
    // Damaged lines are stepped over in this direction.
    int step = 1;
    if (index == 1) {
        n = std::min(static_cast<int>(random_.fraction() * PuzzleCount) + 1, PuzzleCount);
    } else if (index == 0 && event.Button == LeftButton) {
        n = PuzzleNumber - 1 < 1 ? PuzzleCount : PuzzleNumber - 1;
        step = -1;
    } else if (index == 0 && event.Button == RightButton) {
        n = 1;
    } else if (index == 2 && event.Button == LeftButton) {
        n = PuzzleNumber + 1 > PuzzleCount ? 1 : PuzzleNumber + 1;
    } else if (index == 2 && event.Button == RightButton) {
        n = PuzzleCount;
        step = -1;
    } else {
        return;
    }
    PuzzleNumber = n;
    if (!show_stepping_over_damage(n, step)) return;
    // The file has become shorter: stay on the puzzle that was shown.
    if (ShowPuzzle(CollectionPath, old)) {
        PuzzleNumber = old;
        show_puzzle_number();
    }
}

void Form1::PuzNum_KeyPress(int KeyAscii) {
    if (KeyAscii != 13 || SolverBusy) return;
    const int n = round_half_even(leading_number(PuzNum.Text));
    if (n < 1 || n > PuzzleCount || ShowPuzzle(CollectionPath, n)) show_puzzle_number();
}

}  // namespace kalder
