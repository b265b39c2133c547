#include "core/files/puzzle_line.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include "core/base/vb_number.h"
#include "core/rules/move_order.h"

namespace kalder {

namespace {

// The reader skips the five-digit number and its comma without looking at them.
constexpr std::size_t NumberFieldWidth = 6;

bool all_digits(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

std::vector<std::string_view> split_fields(std::string_view text) {
    std::vector<std::string_view> fields;
    for (;;) {
        const auto comma = text.find(',');
        fields.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos) return fields;
        text.remove_prefix(comma + 1);
    }
}

// Replays the solution (cell p(k) gives one unit to cell k) and says whether it reaches the
// solved board, and whether the player could click its moves in some order.
std::string replay_problem(const PuzzleLine& puzzle) {
    const int n = puzzle.size;
    const Position start = start_position(puzzle).value();
    Position position = start;
    GiverTable giver_of{};
    for (int k = 1; k <= n * n; ++k) {
        const int giver = std::stoi(std::string(puzzle.moves.substr(2 * (k - 1), 2)));
        if (!position.on_board(giver)) {
            return "move " + std::to_string(k) + " names cell " + std::to_string(giver) +
                   ", which is not on the board";
        }
        if (!position.adjacent(giver, k)) {
            return "move " + std::to_string(k) + " comes from cell " + std::to_string(giver) +
                   ", which is not a neighbour";
        }
        position.give({giver, k});
        giver_of[k] = giver;
    }
    if (!position.solved()) return "the moves do not reach the solved board";
    if (!order_moves(start, giver_of)) return "no order of the moves can be played";
    return "";
}

}  // namespace

PuzzleLineParse parse_puzzle_line(std::string_view line) {
    if (line.size() < NumberFieldWidth) return {std::nullopt, "the line is too short"};
    const auto fields = split_fields(line.substr(NumberFieldWidth));
    if (fields.size() < 3) return {std::nullopt, "the line has fewer than four fields"};
    const int size = round_half_even(leading_number(fields[0]));
    if (size < MinGridSize || size > MaxGridSize) {
        return {std::nullopt, "the grid size is not 3 to 9"};
    }
    if (fields[1].size() > static_cast<std::size_t>(size * size)) {
        return {std::nullopt, "it has more cells than the board"};
    }
    return {PuzzleLine{size, std::string(fields[1]), std::string(fields[2])}, ""};
}

std::optional<Position> start_position(const PuzzleLine& puzzle) {
    Position start(puzzle.size);
    if (puzzle.cells.size() != static_cast<std::size_t>(start.cell_count()) ||
        !all_digits(puzzle.cells)) {
        return std::nullopt;
    }
    for (int k = 1; k <= start.cell_count(); ++k)
        start.set_cell(k, puzzle.cells[k - 1] - '0', false);
    return start;
}

std::string format_puzzle_line(int line_number, int size, const std::string& body) {
    char number[16];
    std::snprintf(number, sizeof number, "%05d,%d,", line_number, size);
    return number + body;
}

std::string verify_puzzle_line(std::string_view line) {
    if (line.size() < NumberFieldWidth || !all_digits(line.substr(0, 5)) || line[5] != ',') {
        return "it does not begin with a five-digit number and a comma";
    }
    const auto fields = split_fields(line.substr(NumberFieldWidth));
    if (fields.size() != 3) return "it does not have exactly four fields";
    if (fields[0].size() != 1 || !all_digits(fields[0])) return "the grid size is not one digit";
    const PuzzleLineParse parsed = parse_puzzle_line(line);
    if (!parsed.ok()) return parsed.error;
    const PuzzleLine& puzzle = *parsed.line;
    const auto cell_count = static_cast<std::size_t>(puzzle.size * puzzle.size);
    if (puzzle.cells.size() != cell_count || !all_digits(puzzle.cells)) {
        return "it does not have exactly " + std::to_string(cell_count) + " cell digits";
    }
    if (puzzle.moves.size() != 2 * cell_count || !all_digits(puzzle.moves)) {
        return "it does not have exactly " + std::to_string(cell_count) + " two-digit moves";
    }
    return replay_problem(puzzle);
}

}  // namespace kalder
