#pragma once

#include <vector>

#include "core/rules/position.h"

namespace kalder {

enum class Verdict { solution, none, unknown };

struct SolveResult {
    Verdict verdict = Verdict::unknown;
    std::vector<Move> moves;  // with a solution: legal moves in order, ending solved
};

// Units of work (edges tried while matching receivers to givers) before the solver gives up
// and answers "unknown"; far more than any position of a 9 x 9 board has needed.
constexpr long DefaultSolveBudget = 100'000;

// Finds moves from the position to the solved board, or proves there are none. It never
// answers wrongly: a position it cannot settle within the budget is "unknown".
SolveResult solve(const Position& position, long budget = DefaultSolveBudget);

}  // namespace kalder
