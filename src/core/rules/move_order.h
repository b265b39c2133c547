#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/rules/position.h"

namespace kalder {

// For each cell the cell that gives it its unit; 0 for cells that receive nothing.
using GiverTable = std::array<int, MaxCells + 1>;

// Puts the moves that give every open cell of `start` its unit from giver_of[cell] into an
// order the player can click, each giver showing 2 or more when it gives. Nothing when no such
// order exists: a giver that is no neighbour, a locked cell receiving, or a cell that would
// have to give more than it ever holds or wait for a unit that waits for it.
std::optional<std::vector<Move>> order_moves(const Position& start, const GiverTable& giver_of);

}  // namespace kalder
