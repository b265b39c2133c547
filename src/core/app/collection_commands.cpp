#include <filesystem>

#include "core/app/form1.h"
#include "core/base/vb_number.h"
#include "core/files/collection_file.h"
#include "core/files/remove_line.h"

namespace kalder {

void Form1::set_collection_dialog() {
    gf1.FileTypes = "*.kdr;*.txt;*.dat";
    gf1.FileTypesName = "Kalder Files";
    gf1.DefaultDir = ProgramFolder.substr(0, ProgramFolder.find_last_not_of('/') + 1);
    gf1.title = "Kalder";
}

// A file whose first puzzle cannot be shown is refused like an empty one, with one message;
// the board was never touched, so the puzzle in play stays as it was, moves and all.
void Form1::mnuload_Click() {
    if (SolverBusy) return;
    set_collection_dialog();
    const std::string name = gf1.GetFileName("OPEN");
    if (name.empty()) return;
    std::string problem;
    const LineShown shown = show_line_quietly(name, 1, problem);
    platform_.set_busy_pointer(false);
    if (shown != LineShown::Shown) {
        std::string text = "Error reading file: " + name;
        if (shown == LineShown::Damaged) text += "\r\nThe first puzzle cannot be shown: " + problem;
        MsgboxA(text, "vbcritical+vbok");
        return;
    }
    // A collection chosen again is a fresh start: its damaged lines are named again.
    forget_damage_reports(name);
    MsgboxA("Loaded file:\r\n" + name + "\r\n" + signed_text(PuzzleCount) + " puzzles",
            "vbok+vbinformation");
}

// Appends the puzzle as it was loaded or created, not the position reached. A name typed
// without an extension gets ".kdr", or Load's filter would hide the file just saved.
void Form1::mnusave_Click() {
    set_collection_dialog();
    std::string name = gf1.GetFileName("SAVE");
    if (name.empty()) return;
    if (!std::filesystem::path(name).has_extension()) name += ".kdr";
    const int n = CountLines(name) + 1;
    if (!AppendPuzzle(name, board.GridSize, PuzzleBody)) {
        MsgboxA("Puzzle number" + signed_text(n) + " was not added to file:\r\n" + name,
                "vbcritical+vbok");
    } else {
        // The board stays, but a puzzle added to its own collection counts at once: a
        // collection of one that grows must not leave the arrows inert.
        std::error_code ignored;
        if (std::filesystem::equivalent(name, CollectionPath, ignored)) {
            PuzzleCount = n;
            show_puzzle_number();
        }
        MsgboxA("Puzzle number" + signed_text(n) + " added to file:\r\n" + name,
                "vbok+vbinformation");
    }
}

// The kept lines go to a new file beside the collection, which replaces it only once complete:
// the collection is never lost, and the temporary collection is touched only when it is itself
// the collection.
void Form1::mnudelete_Click() {
    if (SolverBusy) return;
    // Recounted, as the arrows do, so puzzles saved into this file meanwhile count.
    PuzzleCount = CountLines(CollectionPath);
    if (PuzzleCount < 2) {
        MsgboxA("There is only one puzzle in this file", "vbok+vberror");
        return;
    }
    // No is the default: Enter alone never removes a puzzle for good.
    const int answer = MsgboxA("Delete current puzzle from file:\r\n" + CollectionPath,
                               "vbYesNo+vbquestion+vbDefaultButton2");
    if (answer != 6) return;
    const int cur = PuzzleNumber;
    // A new puzzle standing in below takes over CollectionPath; the notice names this file.
    const std::string file = CollectionPath;
    if (!remove_collection_line(file, cur)) {
        MsgboxA("Puzzle#" + signed_text(cur) + " was not deleted from file: " + file,
                "vbcritical+vbok");
        return;
    }
    // The lines after it have moved up one place.
    forget_damage_reports(file);
    PuzzleCount = CountLines(file);
    const bool none_left =
        cur == 1 ? show_stepping_over_damage(1, 1) : show_stepping_over_damage(cur - 1, -1);
    // Not one line left can be shown: a new puzzle takes the deleted one's place, whose board
    // would otherwise stay in play standing for a line the next Delete would remove unseen.
    if (none_left) NewRandomPuzzle(board.GridSize);
    show_puzzle_number();
    MsgboxA("Puzzle#" + signed_text(cur) + " deleted from file: " + file, "vbok+vbinformation");
}

}  // namespace kalder
