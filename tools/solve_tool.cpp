#include "solve_tool.h"

#include <charconv>
#include <optional>
#include <sstream>

#include "collection_tools.h"
#include "core/files/collection_file.h"
#include "core/files/puzzle_line.h"
#include "core/rules/exact_solver.h"

namespace kalder::tools {

namespace {

constexpr int Failed = 1;
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

int solve_puzzle(const std::string& file, const std::string& number, std::ostream& out,
                 std::ostream& err) {
    const auto n = whole_number(number);
    if (!n || *n < 1) return usage(err);
    const auto line = read_collection_line(file, *n);
    const PuzzleLineParse parsed = parse_puzzle_line(line.value_or(""));
    if (!line || !parsed.ok()) {
        err << file << ": puzzle " << *n << " cannot be read"
            << (line ? ": " + parsed.error : std::string()) << "\n";
        return Failed;
    }
    const PuzzleLine& puzzle = *parsed.line;
    Position start(puzzle.size);
    for (int k = 1; k <= start.cell_count(); ++k) {
        const char digit = k <= static_cast<int>(puzzle.cells.size()) ? puzzle.cells[k - 1] : ' ';
        if (digit < '0' || digit > '9') {
            err << file << ": puzzle " << *n << " does not have a digit for every cell\n";
            return Failed;
        }
        start.set_cell(k, digit - '0', false);
    }
    out << answer_of(solve(start)) << "\n";
    return 0;
}

int solve_positions(std::istream& in, std::ostream& out, std::ostream& err) {
    int status = 0;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        std::string problem;
        const auto position = read_position(line, problem);
        if (!position) {
            err << "line " << number << ": " << problem << "\n";
            status = BadInput;
            continue;
        }
        out << answer_of(solve(*position)) << "\n";
    }
    return status;
}

}  // namespace

int solve_command(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                  std::ostream& err) {
    if (args.empty()) return solve_positions(in, out, err);
    if (args.size() == 2) return solve_puzzle(args[0], args[1], out, err);
    return usage(err);
}

}  // namespace kalder::tools
