#pragma once

#include "core/rules/position.h"

namespace kalder {

constexpr int EasiestGrade = 1;
constexpr int HardestGrade = 5;

// How easily a player who does not think ahead runs into a dead end on the way from `start`
// to the solved board. Along a solution, each step adds the share of the moves then on offer
// that leave the board without a solution, the first step counting twice and later ones less,
// down to once for the last. 0 when no move on offer ever leads into a dead end; below 0 when
// `start` itself has no solution the solver can find.
double trap_score(const Position& start);

// The score's grade on a board of `size`: 1 (forgiving) to 5 (full of traps), 0 for a board
// that cannot be graded.
int grade_of_score(int size, double score);

// grade_of_score(start.size(), trap_score(start)).
int puzzle_grade(const Position& start);

}  // namespace kalder
