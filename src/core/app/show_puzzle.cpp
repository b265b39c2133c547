#include "core/app/form1.h"
#include "core/base/vb_number.h"
#include "core/files/collection_file.h"
#include "core/files/puzzle_line.h"
#include "core/rules/grade.h"

namespace kalder {

int Form1::caption_value(int cell) const {
    return round_half_even(leading_number(CellD[cell].Caption));
}

Position Form1::position_on_board() const {
    Position position(board.GridSize);
    for (int k = 1; k <= position.cell_count(); ++k) {
        position.set_cell(k, caption_value(k), board.locked(k));
    }
    return position;
}

void Form1::show_cell(const Position& position, int cell) {
    if (!board.on_board(cell)) return;
    CellD[cell].Caption = std::to_string(position.value(cell));
    board.set_locked(cell, position.locked(cell));
    paint_cell(cell);
}

bool Form1::ShowPuzzle(const std::string& path, int n) {
    std::string error;
    const LineShown shown = show_line_quietly(path, n, error);
    if (shown == LineShown::Damaged) report_damaged_line(path, n, error);
    return shown != LineShown::Shown;
}

Form1::LineShown Form1::show_line_quietly(const std::string& path, int n, std::string& error) {
    const auto line = read_collection_line_and_count(path, n);
    if (!line) return LineShown::Missing;
    error = put_line_on_board(path, n, line->text, line->line_count);
    return error.empty() ? LineShown::Shown : LineShown::Damaged;
}

// A damaged line never reaches the board, and the puzzle in play stays as it was.
std::string Form1::put_line_on_board(const std::string& path, int n, const std::string& line,
                                     int line_count) {
    const PuzzleLineParse parsed = parse_puzzle_line(line);
    if (!parsed.ok()) return parsed.error;
    const PuzzleLine& puzzle = *parsed.line;
    if (puzzle.size != board.GridSize) {
        board.GridSize = puzzle.size;
        LayoutBoard();
    }
    for (int k = 1; k <= board.CellCount; ++k) {
        CellLabel& cell = CellD[k];
        cell.Caption.clear();
        // The selection is cleared below, and with it its "-1" and "+1" tips.
        cell.ToolTipText.clear();
        cell.Visible = false;
        paint_open(k);
        board.CellMark[k].clear();
    }
    HideMoveMarks();
    for (std::size_t i = 0; i < puzzle.cells.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        const char digit = puzzle.cells[i];
        board.CellValue[k] = digit >= '0' && digit <= '9' ? digit - '0' : 0;
        CellD[k].Caption = std::to_string(board.CellValue[k]);
        CellD[k].Visible = true;
    }
    PuzzleCount = line_count;
    PuzzleNumber = n;
    CollectionPath = path;
    show_puzzle_number();
    PuzNum.ToolTipText = path;
    Gsize.Caption = std::to_string(board.GridSize);
    PuzzleBody = puzzle.cells + "," + puzzle.moves;
    auto start = start_position(puzzle);
    if (start != puzzle_start_) {
        puzzle_start_ = std::move(start);
        puzzle_grade_.reset();
    }
    // Undo and the selection only ever concern the board in front of the player.
    UndoList.clear();
    RedoList.clear();
    SourceCell = -1;
    TargetCell = -1;
    board_changed();
    return "";
}

int Form1::PuzzleGrade() const {
    if (!puzzle_grade_) puzzle_grade_ = puzzle_start_ ? puzzle_grade(*puzzle_start_) : 0;
    return *puzzle_grade_;
}

void Form1::show_from_memory(int size, int n, int count) {
    put_line_on_board(CollectionPath, n, format_puzzle_line(n, size, PuzzleBody), count);
}

void Form1::show_again_from_start() {
    if (CollectionPath == TempCollectionPath) {
        show_from_memory(board.GridSize, PuzzleNumber, PuzzleCount);
        return;
    }
    ShowPuzzle(CollectionPath, PuzzleNumber);
}

}  // namespace kalder
