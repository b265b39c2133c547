#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kalder {

// One puzzle of a collection with its grade (1 to 5; 0 when its start has no solution).
struct GradedPuzzle {
    int line = 0;  // its place in the file, from 1
    int size = 0;
    int grade = 0;
    std::string body;  // CELLS,MOVES
};

// Every line of a collection, graded in file order, or why a line cannot be: a line that is not
// a whole board cannot be graded.
struct GradedCollection {
    std::vector<GradedPuzzle> puzzles;
    std::vector<std::string> problems;  // "line N: why"
};

// Nothing when the file is missing or unreadable.
std::optional<GradedCollection> grade_collection(const std::string& path);

// The puzzles as a collection ordered by size and then grade (keeping the order of equals),
// numbered 00001 on, each line ended by CR LF.
std::string sorted_by_grade(std::vector<GradedPuzzle> puzzles);

}  // namespace kalder
