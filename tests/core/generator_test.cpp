#include <gtest/gtest.h>

#include <set>
#include <unordered_set>

#include "core/files/puzzle_line.h"
#include "core/rules/exact_solver.h"
#include "core/rules/generate_puzzle.h"
#include "core/rules/move_order.h"

namespace kalder {
namespace {

Position start_of(const std::string& body, int size) {
    Position p(size);
    for (int k = 1; k <= size * size; ++k) p.set_cell(k, body[k - 1] - '0', false);
    return p;
}

bool plays_to_solved(Position p, const std::vector<Move>& moves) {
    for (const Move move : moves)
        if (!p.play(move)) return false;
    return p.solved();
}

// Every size: each puzzle verifies (cells 1 to 9, moves that reach the solved rows in some
// order), no two cells give to each other, and the solver solves it from its start; the one
// generator draws on, and the same seed gives the same puzzles.
TEST(GeneratePuzzle, MakesWellFormedSolvablePuzzlesOfEverySizeFromTheSeed) {
    for (int n = MinGridSize; n <= MaxGridSize; ++n) {
        Random random(n), again(n);
        std::set<std::string> bodies;
        for (int i = 0; i < 20; ++i) {
            const std::string body = GeneratePuzzle(n, random);
            bodies.insert(body);
            ASSERT_EQ(body, GeneratePuzzle(n, again));
            ASSERT_EQ(verify_puzzle_line(format_puzzle_line(1, n, body)), "") << body;
            const auto giver = [&](int k) { return std::stoi(body.substr(n * n - 1 + 2 * k, 2)); };
            for (int k = 1; k <= n * n; ++k) ASSERT_NE(giver(giver(k)), k) << k << ": " << body;
            const Position start = start_of(body, n);
            EXPECT_TRUE(i >= 3 || plays_to_solved(start, solve(start).moves)) << body;
        }
        EXPECT_GT(bodies.size(), 1u) << "the generator draws on";
    }
}

// A giving of every open cell's unit comes back in an order that plays; one that gives a cell
// already locked its unit again, in none.
TEST(MoveOrder, OrdersTheGivingOfEveryOpenCellOnly) {
    Position start = start_of("121222332", 3);
    GiverTable giving{0, 2, 3, 6, 1, 2, 5, 4, 7, 8};
    EXPECT_TRUE(plays_to_solved(start, order_moves(start, giving).value_or(std::vector<Move>{})));
    start.play({8, 9});
    EXPECT_FALSE(order_moves(start, giving));
    giving[9] = 0;
    EXPECT_TRUE(plays_to_solved(start, order_moves(start, giving).value_or(std::vector<Move>{})));
}

TEST(GeneratePuzzle, RefusesASizeOffTheBoard) {
    Random random(1);
    EXPECT_THROW(GeneratePuzzle(MaxGridSize + 1, random), std::invalid_argument);
}

std::string key_of(const Position& p) {
    std::string key;
    for (int k = 1; k <= p.cell_count(); ++k)
        key += static_cast<char>(p.value(k) * 2 + p.locked(k));
    return key;
}

std::vector<Position> next_positions(const Position& p) {
    std::vector<Position> next;
    for (int giver = 1; giver <= p.cell_count(); ++giver)
        for (const int receiver : p.neighbours(giver))
            if (Position q = p; q.play({giver, receiver})) next.push_back(q);
    return next;
}

// The plain search the solver must agree with: every legal move in every order, remembering
// the dead ends.
bool solvable(const Position& p, std::unordered_set<std::string>& dead) {
    if (p.solved()) return true;
    if (dead.contains(key_of(p))) return false;
    for (const Position& next : next_positions(p))
        if (solvable(next, dead)) return true;
    dead.insert(key_of(p));
    return false;
}

// Every position reachable from two 3 x 3 puzzles: the verdict matches, the moves play to the
// solved board, and below the work a position needs the answer is "unknown", never a wrong one.
TEST(ExactSolver, AgreesWithTryingEverythingAndPastItsBudgetAnswersUnknown) {
    Random random(7);
    std::vector<Position> todo = {start_of("121222332", 3), start_of(GeneratePuzzle(3, random), 3)};
    std::unordered_set<std::string> dead, seen;
    int dead_ends = 0, unknown = 0;
    while (!todo.empty()) {
        const Position p = todo.back();
        todo.pop_back();
        if (!seen.insert(key_of(p)).second) continue;
        const bool can = solvable(p, dead);
        const SolveResult result = solve(p);
        const Verdict cut = solve(p, static_cast<long>(seen.size() % 8)).verdict;
        EXPECT_EQ(std::tuple(result.verdict, plays_to_solved(p, result.moves),
                             cut == result.verdict || cut == Verdict::unknown),
                  std::tuple(can ? Verdict::solution : Verdict::none, can, true))
            << key_of(p);
        dead_ends += !can;
        unknown += cut == Verdict::unknown;
        for (const Position& next : next_positions(p)) todo.push_back(next);
    }
    EXPECT_TRUE(dead_ends > 0 && unknown > 0) << "the positions tried include dead ends";
}

}  // namespace
}  // namespace kalder
