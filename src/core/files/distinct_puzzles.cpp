#include "core/files/distinct_puzzles.h"

#include <unordered_set>

#include "core/files/collection_file.h"
#include "core/files/puzzle_line.h"
#include "core/rules/generate_puzzle.h"

namespace kalder {

namespace {

// A board is its CELLS field: its length tells the size.
std::unordered_set<std::string> boards_in(const std::string& path) {
    std::unordered_set<std::string> boards;
    for_each_collection_line(path, [&](int, std::string_view line) {
        const PuzzleLineParse parsed = parse_puzzle_line(line);
        if (parsed.ok()) boards.insert(parsed.line->cells);
        return true;
    });
    return boards;
}

}  // namespace

DistinctAppend append_distinct_puzzles(const std::string& path, int count,
                                       const std::function<int(Random&)>& size_of_next,
                                       Random& random) {
    std::unordered_set<std::string> boards = boards_in(path);
    DistinctAppend result;
    int repeats = 0;
    while (result.appended < count) {
        if (repeats == MaxRepeatsInARow) {
            result.exhausted = true;
            break;
        }
        const int size = size_of_next(random);
        const std::string body = GeneratePuzzle(size, random);
        if (!boards.insert(body.substr(0, body.find(','))).second) {
            ++repeats;
            continue;
        }
        repeats = 0;
        if (!AppendPuzzle(path, size, body)) {
            result.write_failed = true;
            break;
        }
        ++result.appended;
    }
    return result;
}

}  // namespace kalder
