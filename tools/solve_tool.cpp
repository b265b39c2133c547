#include "solve_tool.h"

#include <charconv>
#include <optional>
#include <sstream>

#include "core/files/collection_file.h"
#include "core/files/puzzle_line.h"
#include "core/rules/exact_solver.h"

namespace kalder::tools {

const char* const SolveUsage =
    "  kalder-tools solve FILE N\n"
    "      prints a solution of puzzle N (1 to 99999) of FILE from its start\n"
    "  kalder-tools solve\n"
    "      reads positions \"N VALUES LOCKED\" from standard input, one a line, and\n"
    "      prints for each the moves giver-receiver of a solution, none, unknown, or\n"
    "      error for a line that is no position\n";

namespace {

constexpr int BadInput = 2;
// Far above anything a cell can hold in play; keeps sums of values clear of overflow.
constexpr int MaxCellValue = 999;

std::optional<int> whole_number(std::string_view text) {
    int value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

// Comma-separated whole numbers from `low` to `high`; nothing when any is not.
std::optional<std::vector<int>> number_list(const std::string& text, int low, int high) {
    std::vector<int> numbers;
    std::string_view rest = text;
    for (;;) {
        const auto comma = rest.find(',');
        const auto number = whole_number(rest.substr(0, comma));
        if (!number || *number < low || *number > high) return std::nullopt;
        numbers.push_back(*number);
        if (comma == std::string_view::npos) return numbers;
        rest.remove_prefix(comma + 1);
    }
}

// "N VALUES LOCKED"; the reason in `problem` when the line is no position.
std::optional<Position> read_position(const std::string& line, std::string& problem) {
    std::istringstream fields(line);
    std::string size_text, values_text, locked_text, extra;
    if (!(fields >> size_text >> values_text >> locked_text) || fields >> extra) {
        problem = "it is not three fields: N VALUES LOCKED";
        return std::nullopt;
    }
    const auto size = whole_number(size_text);
    if (!size || *size < MinGridSize || *size > MaxGridSize) {
        problem = "the size is not 3 to 9";
        return std::nullopt;
    }
    const int cells = *size * *size;
    const auto values = number_list(values_text, 0, MaxCellValue);
    if (!values || static_cast<int>(values->size()) != cells) {
        problem = "it does not have " + std::to_string(cells) + " values from 0 to " +
                  std::to_string(MaxCellValue);
        return std::nullopt;
    }
    const auto locked =
        locked_text == "-" ? std::vector<int>{} : number_list(locked_text, 1, cells);
    if (!locked) {
        problem =
            "the locked cells are not \"-\" or cell numbers from 1 to " + std::to_string(cells);
        return std::nullopt;
    }
    Position position(*size);
    for (int k = 1; k <= cells; ++k) position.set_cell(k, (*values)[k - 1], false);
    for (const int k : *locked) position.set_cell(k, position.value(k), true);
    return position;
}

std::string answer_of(const SolveResult& result) {
    if (result.verdict == Verdict::none) return "none";
    if (result.verdict == Verdict::unknown) return "unknown";
    std::string text;
    for (const Move move : result.moves) {
        if (!text.empty()) text += ' ';
        text += std::to_string(move.giver) + "-" + std::to_string(move.receiver);
    }
    return text;
}

int solve_puzzle(const std::string& file, const std::string& number, const Streams& io) {
    const auto n = whole_number(number);
    if (!n || *n < 1 || *n > MaxCollectionLines) {
        return wrong(io, "solve", "N must be a puzzle number from 1 to 99999, not " + number);
    }
    if (const std::string problem = input_problem(file); !problem.empty()) {
        return failed(io, "solve", problem);
    }
    const auto line = read_collection_line_and_count(file, *n);
    if (!line) {
        return failed(io, "solve",
                      file + " holds " + std::to_string(CountLines(file)) + " puzzles, not " +
                          std::to_string(*n));
    }
    const PuzzleLineParse parsed = parse_puzzle_line(line->text);
    if (!parsed.ok()) {
        return failed(io, "solve",
                      file + ": puzzle " + number + " cannot be read: " + parsed.error);
    }
    const PuzzleLine& puzzle = *parsed.line;
    Position start(puzzle.size);
    for (int k = 1; k <= start.cell_count(); ++k) {
        const char digit = k <= static_cast<int>(puzzle.cells.size()) ? puzzle.cells[k - 1] : ' ';
        if (digit < '0' || digit > '9') {
            return failed(io, "solve",
                          file + ": puzzle " + number + " does not have a digit for every cell");
        }
        start.set_cell(k, digit - '0', false);
    }
    io.out << answer_of(solve(start)) << "\n";
    return 0;
}

int solve_positions(const Streams& io) {
    int status = 0;
    int number = 0;
    for (std::string line; std::getline(io.in, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        std::string problem;
        const auto position = read_position(line, problem);
        // An answer for every question, so the answers line up with the lines asked.
        if (!position) {
            io.out << "error\n";
            io.err << "line " << number << ": " << problem << "\n";
            status = BadInput;
            continue;
        }
        io.out << answer_of(solve(*position)) << "\n";
    }
    return status;
}

}  // namespace

int solve_command(const Args& args, const Streams& io) {
    const auto line = read_command_line(args, {}, 2, "solve", io);
    if (!line) return UsageError;
    if (line->words.empty()) return solve_positions(io);
    if (line->words.size() == 1) return wrong(io, "solve", "N is missing after FILE");
    return solve_puzzle(line->words[0], line->words[1], io);
}

}  // namespace kalder::tools
