#include "rate_tool.h"

#include <algorithm>
#include <cstdio>

#include "core/base/atomic_file.h"
#include "core/files/puzzle_grades.h"

namespace kalder::tools {

const char* const RateUsage =
    "  kalder-tools rate FILE\n"
    "      prints \"NNNNN SIZE GRADE\" for every puzzle, grade 1 (easy) to 5 (hard)\n"
    "  kalder-tools rate --sort FILE OUT\n"
    "      writes the puzzles to OUT ordered by size and then grade, renumbered\n";

namespace {

// The collection graded, with every line that could not be named on err; nothing when the
// file cannot be read or holds no puzzle.
std::optional<GradedCollection> graded(const std::string& file, const Streams& io) {
    if (const std::string problem = input_problem(file); !problem.empty()) {
        failed(io, "rate", problem);
        return std::nullopt;
    }
    auto collection = grade_collection(file);
    if (!collection) {
        failed(io, "rate", file + ": cannot be read");
        return std::nullopt;
    }
    if (collection->puzzles.empty() && collection->problems.empty()) {
        failed(io, "rate", file + ": holds no puzzles");
        return std::nullopt;
    }
    for (const std::string& problem : collection->problems) {
        failed(io, "rate", file + ": " + problem);
    }
    return collection;
}

int print_grades(const std::string& file, const Streams& io) {
    const auto collection = graded(file, io);
    if (!collection) return Failed;
    for (const GradedPuzzle& puzzle : collection->puzzles) {
        char line[32];
        std::snprintf(line, sizeof line, "%05d %d %d\n", puzzle.line, puzzle.size, puzzle.grade);
        io.out << line;
    }
    return collection->problems.empty() ? 0 : Failed;
}

int sort_by_grade(const std::string& file, const std::string& sorted, const Streams& io) {
    auto collection = graded(file, io);
    if (!collection) return Failed;
    if (!collection->problems.empty()) return failed(io, "rate", sorted + ": not written");
    const std::size_t count = collection->puzzles.size();
    if (!write_file_atomically(sorted, sorted_by_grade(std::move(collection->puzzles)))) {
        return failed(io, "rate", sorted + ": cannot be written");
    }
    io.out << count << " puzzles written to " << sorted << ", by size and then grade\n";
    return 0;
}

}  // namespace

int rate_command(const Args& args, const Streams& io) {
    Args words = args;
    const auto sort = std::find(words.begin(), words.end(), "--sort");
    const bool sorting = sort != words.end();
    if (sorting) words.erase(sort);
    const auto line = read_command_line(words, {}, sorting ? 2 : 1, "rate", io);
    if (!line) return UsageError;
    if (line->words.empty()) return wrong(io, "rate", "FILE is missing");
    if (!sorting) return print_grades(line->words[0], io);
    if (line->words.size() < 2) return wrong(io, "rate", "OUT is missing");
    return sort_by_grade(line->words[0], line->words[1], io);
}

}  // namespace kalder::tools
