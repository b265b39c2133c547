#include <filesystem>

#include "core/app/form1.h"
#include "core/base/vb_number.h"
#include "core/files/collection_file.h"
#include "core/rules/generate_puzzle.h"

namespace kalder {

namespace {

bool valid_grid_size(int size) {
    return size >= MinGridSize && size <= MaxGridSize;
}

}  // namespace

// Asks until the answer is a size the board can take; 0 when the player cancels.
int Form1::ask_grid_size() {
    for (;;) {
        const std::string answer = platform_.input_box("Enter Grid Size (3 to 9)", "Creat Puzzle",
                                                       std::to_string(board.GridSize));
        if (answer.empty()) return 0;
        const int size = round_half_even(leading_number(answer));
        if (valid_grid_size(size)) return size;
    }
}

void Form1::cmdcreate_MouseUp(const MouseEvent& event) {
    if (SolverBusy) return;
    int size = valid_grid_size(board.GridSize) ? board.GridSize : 4;
    if (event.Button == RightButton) {
        size = ask_grid_size();
        if (size == 0) return;
        board.GridSize = size;
        LayoutBoard();
    }
    PuzNum.Text = "Creating ...";
    platform_.set_busy_pointer(true);
    // Shown while the puzzle is made, not just overwritten by its number.
    platform_.process_events();
    make_new_puzzle(size);
    platform_.set_busy_pointer(false);
    MsgboxA("Created puzzle", "vbinformation+vbok");
}

void Form1::NewRandomPuzzle(int size) {
    platform_.set_busy_pointer(true);
    make_new_puzzle(size);
    platform_.set_busy_pointer(false);
}

// The new puzzle becomes the only line of the temporary collection when the folder lets it,
// and is shown from memory either way.
void Form1::make_new_puzzle(int size) {
    PuzzleBody = GeneratePuzzle(size, random_);
    CollectionPath = TempCollectionPath;
    std::error_code ignored;
    std::filesystem::remove(TempCollectionPath, ignored);
    // A file the folder will not let go of is emptied instead: appended to, it would keep the
    // previous puzzle as its line 1.
    if (FileExists(TempCollectionPath))
        std::filesystem::resize_file(TempCollectionPath, 0, ignored);
    if (!FileExists(TempCollectionPath)) AppendPuzzle(TempCollectionPath, size, PuzzleBody);
    show_from_memory(size, 1, 1);
}

}  // namespace kalder
