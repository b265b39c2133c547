#include <gtest/gtest.h>

#include "core/game/position.h"
#include "core/game/puzzle_line.h"

namespace kalder {
namespace {

// 1 2 1 / 2 2 2 / 3 3 2, cell 5 locked and showing 9.
Position sample() {
    Position p(3);
    const int values[] = {1, 2, 1, 2, 9, 2, 3, 3, 2};
    for (int k = 1; k <= 9; ++k) p.set_cell(k, values[k - 1], k == 5);
    return p;
}

TEST(Position, TheRuleOfAMove) {
    struct Case {
        Move move;
        bool legal;
        const char* why;
    };
    const Case cases[] = {
        {{2, 1}, true, "a 2 gives to an open neighbour"},
        {{5, 4}, true, "a locked cell may give"},
        {{1, 2}, false, "a 1 cannot give"},
        {{2, 5}, false, "a locked cell cannot receive"},
        {{3, 4}, false, "3 and 4 share no edge"},
        {{2, 2}, false, "not to itself"},
        {{2, 0}, false, "off the board"},
        {{9, 10}, false, "off the board"},
    };
    for (const Case& c : cases) {
        Position p = sample();
        EXPECT_EQ(p.is_legal(c.move), c.legal) << c.why;
        EXPECT_EQ(p.play(c.move), c.legal) << c.why;
        if (!c.legal) {
            EXPECT_EQ(p, sample()) << c.why << ": a refused move changes nothing";
        }
    }
}

TEST(Position, TakingBackRestoresExactlyEvenPastNine) {
    Position p = sample();
    const Move moves[] = {{5, 4}, {4, 1}, {6, 5}};
    std::vector<UndoRecord> records;
    for (const Move move : moves) {
        records.push_back(p.record_of(move));
        p.give(move);
    }
    EXPECT_EQ(p.value(5), 9) << "the locked 9 gave, then received past the rule";
    for (auto record = records.rbegin(); record != records.rend(); ++record) p.take_back(*record);
    EXPECT_EQ(p, sample());
}

TEST(Position, SolvedOnlyWhenEveryCellReceivedAndRowsRead1ToN) {
    Position p(3);
    for (int k = 1; k <= 9; ++k) p.set_cell(k, (k - 1) / 3 + 1, true);
    EXPECT_TRUE(p.solved());
    p.set_cell(5, 2, false);
    EXPECT_FALSE(p.solved()) << "one cell still open";
    p.set_cell(5, 2, true);
    p.set_cell(1, 2, true);
    p.set_cell(4, 1, true);
    EXPECT_FALSE(p.solved()) << "rows out of order";
}

// Two top-row cells showing 1 that give only to each other wait for each other for ever.
TEST(Position, VerifyRefusesAStoredSolutionNoOrderCanPlay) {
    EXPECT_EQ(verify_puzzle_line("00001,3,111222342,020106070803040508"),
              "no order of the moves can be played");
}

}  // namespace
}  // namespace kalder
