#include "core/app/form1.h"

#include <filesystem>

#include "core/base/atomic_file.h"

namespace kalder {

// A folder that takes no files loses only the kept place: play goes on without a word. A board
// without moves needs no kept place, the configuration naming its puzzle: browsing the
// collection then rewrites one file a step, not two.
void Form1::keep_place() {
    if (ProgramFolder.empty() || starting_) return;
    keep_settings();
    std::string text;
    if (!PuzzleBody.empty() && !UndoList.empty()) {
        KeptPlace place{CollectionPath, PuzzleNumber, PuzzleBody, {}};
        for (auto record = UndoList.rbegin(); record != UndoList.rend(); ++record) {
            place.moves.emplace_back(record->source, record->target);
        }
        text = format_kept_place(place);
    }
    if (text == kept_place_text_) return;
    const std::string path = ProgramFolder + KeptPlaceFile;
    std::error_code error;
    if (text.empty()) std::filesystem::remove(path, error);
    const bool kept = text.empty() ? !error : write_file_atomically(path, text);
    if (kept) kept_place_text_ = std::move(text);
}

// Silent like the kept place: Exit still writes the configuration and says when it cannot.
void Form1::keep_settings() {
    if (ProgramFolder.empty() || starting_) return;
    const Config settings{SchemeName, CollectionPath, PuzzleNumber};
    if (settings == kept_settings_) return;
    if (write_config_file(ProgramFolder, settings, platform_.local_time())) {
        kept_settings_ = settings;
    }
}

// Showing the kept line names its collection and number; a line changed since hands the start
// back to the configuration, whose collection and number it must not have taken over.
bool Form1::show_kept_puzzle(const KeptPlace& kept) {
    const std::string configured_path = CollectionPath;
    const int configured_number = PuzzleNumber;
    std::string ignored;
    if (show_line_quietly(kept.collection_path, kept.puzzle_number, ignored) == LineShown::Shown &&
        PuzzleBody == kept.puzzle_body) {
        return true;
    }
    CollectionPath = configured_path;
    PuzzleNumber = configured_number;
    return false;
}

// The moves are played again by the rule of play, so the board and the undo history come
// back as they were. A place kept for another puzzle than the one shown, or for a line that has
// changed since, or holding a move the rule refuses or one on a cell the line lacks, is not put
// back: the puzzle starts fresh.
void Form1::restore_place(const std::optional<KeptPlace>& kept) {
    if (!kept || kept->moves.empty() || kept->collection_path != CollectionPath ||
        kept->puzzle_number != PuzzleNumber || kept->puzzle_body != PuzzleBody) {
        return;
    }
    Position position = position_on_board();
    std::deque<UndoRecord> history;
    for (const auto& [giver, receiver] : kept->moves) {
        const Move move{giver, receiver};
        if (!position.is_legal(move) || !shown_cell(giver) || !shown_cell(receiver)) return;
        history.push_front(position.record_of(move));
        position.play(move);
    }
    for (int cell = 1; cell <= position.cell_count(); ++cell) {
        if (shown_cell(cell)) show_cell(position, cell);
    }
    UndoList = std::move(history);
    board_changed();
}

}  // namespace kalder
