#include "core/rules/grade.h"

#include <array>

#include "core/rules/exact_solver.h"
#include "core/rules/move_order.h"

namespace kalder {

namespace {

// The score above which each grade from 2 to 5 begins, per board size. Each cut lies between
// two neighbouring scores of a generated sample, where it puts the nearest to a fifth of the
// sample below it: 20,000 puzzles of 3 x 3 (which has only 17 distinct boards, so its grades
// are fifths only roughly), 10,000 of 4 x 4, 5,000 of 5 x 5, 4,000 of 6 x 6, 3,000 of 7 x 7
// and 2,000 each of 8 x 8 and 9 x 9. Scoring a second sample of each size from another seed
// gave every grade between 17 % and 22 % of its puzzles.
constexpr std::array<std::array<double, HardestGrade - EasiestGrade>, MaxGridSize + 1>
    GradeThresholds{{
        {},
        {},
        {},
        {4.56, 5.56, 6.07, 6.87},      // 3 x 3
        {10.62, 11.78, 12.95, 13.99},  // 4 x 4
        {16.55, 18.34, 19.82, 21.45},  // 5 x 5
        {23.85, 26.00, 27.75, 29.87},  // 6 x 6
        {32.25, 34.82, 36.98, 39.56},  // 7 x 7
        {40.94, 43.91, 46.72, 50.15},  // 8 x 8
        {51.12, 55.19, 58.63, 62.54},  // 9 x 9
    }};

// A top-row open cell showing 1 gives its unit only after receiving one.
bool waits(const Position& position, int cell) {
    return position.row_of(cell) == 1 && !position.locked(cell) && position.value(cell) == 1;
}

// Whether `after` (one move past a solvable position whose solution gives each open cell its
// unit from solution[cell]) still has a solution. Only that move's receiver changes giver: an
// alternating path hands one receiver of the move's giver, which now owes one unit fewer, on
// towards the receiver's old giver, which owes one more; with no such path no giving of every
// unit exists. A new giving fails only when two waiting neighbours give to each other, which
// the full solver settles.
bool still_solvable(const Position& after, GiverTable giving, Move move) {
    const int owed_one_more = giving[move.receiver];
    giving[move.receiver] = 0;
    if (owed_one_more != move.giver) {
        std::array<Move, MaxCells + 1> reached{};  // per giver: who took one of its receivers
        std::array<int, MaxCells + 1> queue{};
        int head = 0;
        int tail = 0;
        queue[tail++] = owed_one_more;
        reached[owed_one_more] = {owed_one_more, 0};
        while (head < tail && reached[move.giver].giver == 0) {
            const int taker = queue[head++];
            for (const int cell : after.neighbours(taker)) {
                const int from = giving[cell];
                if (after.locked(cell) || from == 0 || reached[from].giver != 0) continue;
                reached[from] = {taker, cell};
                queue[tail++] = from;
            }
        }
        if (reached[move.giver].giver == 0) return false;
        for (int from = move.giver; from != owed_one_more;) {
            const Move hand_over = reached[from];
            giving[hand_over.receiver] = hand_over.giver;
            from = hand_over.giver;
        }
    }
    for (int cell = 1; cell <= after.cell_count(); ++cell) {
        const int giver = giving[cell];
        if (giver != 0 && giving[giver] == cell && waits(after, cell) && waits(after, giver)) {
            return solve(after).verdict != Verdict::none;
        }
    }
    return true;
}

// The share of the legal moves from `position` after which no solution is left.
double dead_end_share(const Position& position, const GiverTable& solution) {
    int offered = 0;
    int dead = 0;
    for (int giver = 1; giver <= position.cell_count(); ++giver) {
        if (!position.can_give(giver)) continue;
        for (const int receiver : position.neighbours(giver)) {
            if (!position.is_legal({giver, receiver})) continue;
            ++offered;
            Position after = position;
            after.give({giver, receiver});
            if (!still_solvable(after, solution, {giver, receiver})) ++dead;
        }
    }
    return offered == 0 ? 0.0 : static_cast<double>(dead) / offered;
}

}  // namespace

double trap_score(const Position& start) {
    const SolveResult way = solve(start);
    if (way.verdict != Verdict::solution) return -1.0;
    const auto steps = static_cast<double>(way.moves.size());
    const double last = steps > 1 ? steps - 1 : 1.0;
    GiverTable solution{};
    for (const Move move : way.moves) solution[move.receiver] = move.giver;
    Position position = start;
    double score = 0.0;
    for (std::size_t step = 0; step < way.moves.size(); ++step) {
        const double weight = 1.0 + (last - static_cast<double>(step)) / last;
        score += weight * dead_end_share(position, solution);
        position.give(way.moves[step]);
        solution[way.moves[step].receiver] = 0;
    }
    return score;
}

int grade_of_score(int size, double score) {
    if (score < 0.0 || size < MinGridSize || size > MaxGridSize) return 0;
    int grade = EasiestGrade;
    for (const double threshold : GradeThresholds[static_cast<std::size_t>(size)]) {
        if (score > threshold) ++grade;
    }
    return grade;
}

int puzzle_grade(const Position& start) {
    return grade_of_score(start.size(), trap_score(start));
}

}  // namespace kalder
