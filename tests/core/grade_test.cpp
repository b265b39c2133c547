#include "core/rules/grade.h"

#include <gtest/gtest.h>

#include "core/files/puzzle_line.h"
#include "core/rules/exact_solver.h"
#include "core/rules/generate_puzzle.h"

namespace kalder {
namespace {

Position start_of(int size, const std::string& cells) {
    return start_position(PuzzleLine{size, cells, ""}).value();
}

// The extremes: below a top row of 0s, locked rows of 3s can each give only straight up, so
// no move on offer is ever a trap; a board that punishes almost any careless move; a board
// with no solution at all, which has no grade.
TEST(Grade, ForcedBoardsAreEasiestTrapsAreHardestAndDeadBoardsUngraded) {
    Position forced = start_of(3, "000333333");
    for (int k = 4; k <= 9; ++k) forced.set_cell(k, 3, true);
    const struct {
        const char* name;
        Position start;
        int grade;
    } cases[] = {
        {"forced", forced, 1},
        {"full of traps", start_of(3, "112422222"), 5},
        {"open rows of 3s below 0s", start_of(3, "000333333"), 1},
        {"no solution", start_of(3, "111111111"), 0},
        {"no solution, 4 x 4", start_of(4, "0000000000000009"), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(puzzle_grade(c.start), c.grade) << c.name;
    EXPECT_EQ(trap_score(forced), 0.0);
    // One move left, and one of the two on offer a trap: cell 4 may give to 1 as well as 2.
    Position last_move = start_of(3, "021222333");
    for (int k = 2; k <= 9; ++k) last_move.set_cell(k, last_move.value(k), true);
    EXPECT_EQ(trap_score(last_move), 1.0);
}

// A grade begins just above its cut; a board too small or too large, or a score below 0, has
// none.
TEST(Grade, EachGradeBeginsAboveItsCut) {
    const std::tuple<int, double, int> cases[] = {{3, 0.0, 1},  {3, 4.56, 1},  {3, 4.57, 2},
                                                  {3, 6.88, 5}, {9, 62.54, 4}, {9, 62.55, 5},
                                                  {2, 1.0, 0},  {10, 1.0, 0},  {3, -0.01, 0}};
    for (const auto& [size, score, grade] : cases)
        EXPECT_EQ(grade_of_score(size, score), grade) << size << " " << score;
}

// The score counts dead ends as the exact solver finds them move by move: the shortcut that
// spares most of those solves gives the same sum on generated boards of several sizes.
TEST(Grade, ScoreMatchesSolvingAfterEveryMoveOnOffer) {
    Random random(24);
    for (int size = 3; size <= 6; ++size) {
        for (int i = 0; i < 3; ++i) {
            const Position start =
                start_of(size, GeneratePuzzle(size, random).substr(0, size * size));
            const SolveResult way = solve(start);
            ASSERT_EQ(way.verdict, Verdict::solution);
            const double last = static_cast<double>(way.moves.size() - 1);
            Position p = start;
            double expected = 0.0;
            for (std::size_t step = 0; step < way.moves.size(); ++step) {
                int offered = 0, dead = 0;
                for (int giver = 1; giver <= p.cell_count(); ++giver) {
                    for (const int receiver : p.neighbours(giver)) {
                        Position after = p;
                        if (!after.play({giver, receiver})) continue;
                        ++offered;
                        dead += solve(after).verdict == Verdict::none;
                    }
                }
                expected += (2.0 - static_cast<double>(step) / last) * dead / offered;
                p.give(way.moves[step]);
            }
            EXPECT_NEAR(trap_score(start), expected, 1e-9) << size << " " << i;
        }
    }
}

}  // namespace
}  // namespace kalder
