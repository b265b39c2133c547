#include <gtest/gtest.h>

#include <string>
#include <unordered_set>
#include <vector>

#include "core/game/random.h"
#include "core/generator/exact_solver.h"
#include "core/generator/generate_puzzle.h"

namespace kalder {
namespace {

std::string key_of(const Position& p) {
    std::string key;
    for (int k = 1; k <= p.cell_count(); ++k)
        key += static_cast<char>(p.value(k) * 2 + p.locked(k));
    return key;
}

std::vector<Move> legal_moves(const Position& p) {
    std::vector<Move> moves;
    for (int giver = 1; giver <= p.cell_count(); ++giver) {
        for (const int receiver : p.neighbours(giver)) {
            if (p.is_legal({giver, receiver})) moves.push_back({giver, receiver});
        }
    }
    return moves;
}

// The plain search the solver must agree with: every legal move in every order, remembering
// the positions already found to be dead ends.
class TryEverything {
  public:
    bool solvable(const Position& p) {
        if (p.solved()) return true;
        if (dead_.contains(key_of(p))) return false;
        for (const Move move : legal_moves(p)) {
            Position next = p;
            next.play(move);
            if (solvable(next)) return true;
        }
        dead_.insert(key_of(p));
        return false;
    }

  private:
    std::unordered_set<std::string> dead_;
};

Position start_of(const std::string& body, int size) {
    Position p(size);
    for (int k = 1; k <= size * size; ++k) p.set_cell(k, body[k - 1] - '0', false);
    return p;
}

bool plays_to_solved(Position p, const std::vector<Move>& moves) {
    for (const Move move : moves) {
        if (!p.play(move)) return false;
    }
    return p.solved();
}

// Same verdict as trying everything, and a returned solution plays legally to the solved board.
// Answers whether the position was solvable.
bool expect_exact(const Position& p, TryEverything& everything) {
    const SolveResult result = solve(p);
    const bool solvable = everything.solvable(p);
    EXPECT_EQ(result.verdict, solvable ? Verdict::solution : Verdict::none) << key_of(p);
    EXPECT_EQ(plays_to_solved(p, result.moves), solvable) << key_of(p);
    return solvable;
}

TEST(ExactSolver, AgreesWithTryingEverythingOnEveryReachable3x3Position) {
    Random random(7);
    std::vector<std::string> bodies = {"121222332,020306010205040708"};
    for (int i = 0; i < 3; ++i) bodies.push_back(GeneratePuzzle(3, random));
    int dead_ends = 0;
    for (const std::string& body : bodies) {
        TryEverything everything;
        std::unordered_set<std::string> seen;
        std::vector<Position> todo = {start_of(body, 3)};
        while (!todo.empty()) {
            const Position p = todo.back();
            todo.pop_back();
            if (!seen.insert(key_of(p)).second) continue;
            dead_ends += expect_exact(p, everything) ? 0 : 1;
            for (const Move move : legal_moves(p)) {
                todo.push_back(p);
                todo.back().play(move);
            }
        }
    }
    EXPECT_GT(dead_ends, 0) << "the positions tried include dead ends";
}

// Random play from 4 x 4 puzzles half solved: eight cells stay open, so trying everything
// stays quick.
TEST(ExactSolver, AgreesWithTryingEverythingOnRandom4x4Positions) {
    Random random(11);
    TryEverything everything;
    int solvable = 0;
    for (int i = 0; i < 100; ++i) {
        Position p = start_of(GeneratePuzzle(4, random), 4);
        const std::vector<Move> solution = solve(p).moves;
        for (int k = 0; k < 8; ++k) p.play(solution[k]);
        for (int steps = random.RandomInt(4) - 1; steps > 0; --steps) {
            const auto moves = legal_moves(p);
            if (moves.empty()) break;
            p.play(moves[random.RandomInt(static_cast<int>(moves.size())) - 1]);
        }
        solvable += expect_exact(p, everything) ? 1 : 0;
    }
    EXPECT_GT(solvable, 10);
    EXPECT_LT(solvable, 90);
}

TEST(ExactSolver, SolvesEveryGeneratedPuzzleFromItsStart) {
    Random random(3);
    for (int size = MinGridSize; size <= MaxGridSize; ++size) {
        for (int i = 0; i < 10; ++i) {
            const Position start = start_of(GeneratePuzzle(size, random), size);
            const SolveResult result = solve(start);
            EXPECT_EQ(result.verdict, Verdict::solution) << key_of(start);
            EXPECT_TRUE(plays_to_solved(start, result.moves)) << key_of(start);
        }
    }
}

// Below the work a position needs the answer is "unknown", never a wrong one.
TEST(ExactSolver, PastItsBudgetItAnswersUnknown) {
    Random random(5);
    const Position start = start_of(GeneratePuzzle(9, random), 9);
    Position dead = start;
    dead.set_cell(1, 0, false);
    dead.set_cell(2, start.value(1) + start.value(2), false);
    for (const Position& p : {start, dead}) {
        const Verdict full = solve(p).verdict;
        EXPECT_NE(full, Verdict::unknown);
        EXPECT_EQ(solve(p, 0).verdict, Verdict::unknown);
        for (long budget = 1; budget < 400; budget += 7) {
            const Verdict verdict = solve(p, budget).verdict;
            EXPECT_TRUE(verdict == full || verdict == Verdict::unknown) << budget;
        }
    }
}

}  // namespace
}  // namespace kalder
