#include <gtest/gtest.h>

#include "core/game/position.h"
#include "core/game/puzzle_line.h"

namespace kalder {
namespace {

TEST(Position, TakingBackRestoresExactlyEvenPastNine) {
    Position start(3);
    const int values[] = {1, 2, 1, 2, 9, 2, 3, 3, 2};
    for (int k = 1; k <= 9; ++k) start.set_cell(k, values[k - 1], k == 5);
    Position p = start;
    std::vector<UndoRecord> records;
    for (const Move move : {Move{5, 4}, Move{4, 1}, Move{6, 5}}) {
        records.push_back(p.record_of(move));
        p.give(move);
    }
    EXPECT_EQ(p.value(5), 9) << "the locked 9 gave, then received past the rule";
    for (auto record = records.rbegin(); record != records.rend(); ++record) p.take_back(*record);
    EXPECT_EQ(p, start);
}

// Two top-row cells showing 1 that give only to each other wait for each other for ever.
TEST(Position, VerifyRefusesAStoredSolutionNoOrderCanPlay) {
    EXPECT_EQ(verify_puzzle_line("00001,3,111222342,020106070803040508"),
              "no order of the moves can be played");
}

}  // namespace
}  // namespace kalder
