#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/rules/random.h"

namespace kalder {

// How a batch command speaks: each closing text in turn, or the one failure that stopped it.
// A failed command has written nothing.
struct BatchReport {
    std::function<void(const std::string&)> done;
    std::function<void(const std::string&)> failed;
};

// The puzzles MultiCreate makes when nobody says how many.
constexpr int MultiCreateCount = 10'000;

// Where randomize and Reseq write: beside the collection, its name's last extension (if it has
// one) replaced by suffix. A "." in a folder name plays no part.
std::string batch_output_name(const std::string& collection, const std::string& suffix);

// Lines in a random order (one random five-digit key each, equal keys by their text), numbered
// 00001 on by position, each "NNNNN,S,CELLS,MOVES" CR LF. Lines with fewer than four comma
// fields are left out and counted; fields past the fourth are dropped.
struct Shuffled {
    std::string content;
    int lines = 0;
    int short_lines = 0;
};
Shuffled shuffle_and_renumber(const std::vector<std::string_view>& lines, Random& random);

// Replaces out with `count` (at most MaxCollectionLines) new puzzles of sizes 4 to 9, numbered
// 00001 on; progress(i, size) runs after puzzle i. Says "done".
bool multi_create(const std::string& out, int count, Random& random,
                  const std::function<void(int, int)>& progress, const BatchReport& report);

// In folder: copies "r3.kdr" to "r4.kdr" without the lines whose number repeats the line just
// kept and without those of fewer than four fields, says so, then shuffles "r4.kdr" into
// "r5.kdr" and says how many lines that made and how many short ones were skipped.
bool remove_repeated_numbers(const std::string& folder, Random& random, const BatchReport& report);

// Shuffles and renumbers the collection into out, leaving the collection as it is; says out
// followed by " done".
bool shuffle_collection(const std::string& collection, const std::string& out, Random& random,
                        const BatchReport& report);

}  // namespace kalder
