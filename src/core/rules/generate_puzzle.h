#pragma once

#include <string>

#include "core/rules/random.h"

namespace kalder {

// Makes a new puzzle of size x size (3 .. 9) from the solved arrangement by one-unit moves,
// each cell giving once, and returns its body "CELLS,MOVES": group k of MOVES is the cell that
// gives one unit back to cell k. Depends on nothing but the generator passed in.
std::string GeneratePuzzle(int size, Random& random);

}  // namespace kalder
