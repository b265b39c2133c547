#include "core/files/puzzle_grades.h"

#include <algorithm>
#include <tuple>

#include "core/files/collection_file.h"
#include "core/files/puzzle_line.h"
#include "core/rules/grade.h"

namespace kalder {

std::optional<GradedCollection> grade_collection(const std::string& path) {
    GradedCollection graded;
    const bool read = for_each_collection_line(path, [&](int n, std::string_view text) {
        const PuzzleLineParse parsed = parse_puzzle_line(text);
        const auto start = parsed.ok() ? start_position(*parsed.line) : std::nullopt;
        if (!start) {
            const std::string why =
                parsed.ok() ? "it does not have a digit for every cell" : parsed.error;
            graded.problems.push_back("line " + std::to_string(n) + ": " + why);
            return true;
        }
        const PuzzleLine& puzzle = *parsed.line;
        graded.puzzles.push_back(
            {n, puzzle.size, puzzle_grade(*start), puzzle.cells + "," + puzzle.moves});
        return true;
    });
    if (!read) return std::nullopt;
    return graded;
}

std::string sorted_by_grade(std::vector<GradedPuzzle> puzzles) {
    std::stable_sort(puzzles.begin(), puzzles.end(),
                     [](const GradedPuzzle& a, const GradedPuzzle& b) {
                         return std::tie(a.size, a.grade) < std::tie(b.size, b.grade);
                     });
    std::string content;
    int number = 0;
    for (const GradedPuzzle& puzzle : puzzles) {
        content += format_puzzle_line(++number, puzzle.size, puzzle.body);
        content += "\r\n";
    }
    return content;
}

}  // namespace kalder
