#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/rules/position.h"

namespace kalder {

// One line of a collection: NNNNN,S,CELLS,MOVES.
struct PuzzleLine {
    int size = 0;
    std::string cells;
    std::string moves;
};

struct PuzzleLineParse {
    std::optional<PuzzleLine> line;
    std::string error;  // why the line cannot be shown, when it cannot
    bool ok() const { return line.has_value(); }
};

// Reads a line the way the board takes it: the number field is skipped unread, S is read as a
// number, CELLS may be shorter than N*N. Lines no board can show are refused with a reason.
PuzzleLineParse parse_puzzle_line(std::string_view line);

// The puzzle's starting board, every cell open; nothing unless CELLS holds a digit for every
// cell.
std::optional<Position> start_position(const PuzzleLine& puzzle);

// "NNNNN,S,body" without a line end.
std::string format_puzzle_line(int line_number, int size, const std::string& body);

// "" for a complete, correct and solvable line; otherwise what is wrong with it.
std::string verify_puzzle_line(std::string_view line);

}  // namespace kalder
