#pragma once

#include <functional>
#include <string>

#include "core/rules/random.h"

namespace kalder {

// How many generated boards in a row may all be ones already held before a run gives up: a
// size with few distinct boards (3 x 3 has 17) then stops instead of trying for ever, and
// finds even its rarest boards first.
constexpr int MaxRepeatsInARow = 10'000;

struct DistinctAppend {
    int appended = 0;
    bool exhausted = false;     // stopped after MaxRepeatsInARow repeats in a row
    bool write_failed = false;  // the file could not be written; `appended` made it there
};

// Appends up to `count` new puzzles to the collection at path, each of the size size_of_next
// draws for it, whose starting board neither the file nor this run already holds.
DistinctAppend append_distinct_puzzles(const std::string& path, int count,
                                       const std::function<int(Random&)>& size_of_next,
                                       Random& random);

}  // namespace kalder
