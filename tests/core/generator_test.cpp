#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <unordered_set>

#include "core/game/puzzle_line.h"
#include "core/generator/exact_solver.h"
#include "core/generator/generate_puzzle.h"

namespace kalder {
namespace {

std::string format(const char* pattern, int a, int b = 0, int c = 0) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, a, b, c);
    return text;
}

// The generation told with sorted text lists, entry by entry, as the program's hidden list
// boxes hold them. Queue keys have six digits instead of three so that a key past 999 still
// sorts last; below that the order is the same.
std::string generate_with_text_lists(int n, Random& random) {
    const auto draw = [&](int keys) { return static_cast<int>(random.fraction() * keys + 1); };
    for (;;) {
        std::multiset<std::string> moves, queue;
        int value[82] = {};
        for (int k = 1; k <= n * n; ++k) value[k] = (k - 1) / n + 1;
        for (int k = 1; k <= n * n; ++k) queue.insert(format("%06d%d", draw(500), k));
        const auto pick_partner = [&](int c) {
            const int row = (c - 1) / n + 1, col = (c - 1) % n + 1;
            const int sides[4][2] = {
                {col > 1, c - 1}, {col < n, c + 1}, {row > 1, c - n}, {row < n, c + n}};
            for (const auto& [there, cell] : sides)
                if (there && value[cell] == 1) return cell;
            // Keyed by draw, then by row and column, which sort as the cell number does.
            std::multiset<std::string> candidates;
            for (const auto& [there, cell] : sides)
                if (const int key = draw(997); there)
                    candidates.insert(format("%03d%02d", key, cell));
            int partner = 0;
            for (const std::string& entry : candidates)
                if (value[partner = std::stoi(entry.substr(3))] < 9) break;
            return partner;
        };
        bool abandoned = false;
        for (int failures = 0; !queue.empty() && !(abandoned = ++failures > 10);) {
            const int c = std::stoi(queue.begin()->substr(6));
            const int p = value[c] == 1 ? 0 : pick_partner(c);
            const bool stuck = value[c] == 1 || value[p] == 9;
            const bool back = !stuck && moves.contains(format("%02d1%02d", p, c));
            if ((abandoned = back && queue.size() == 1)) break;
            const int last_key = std::stoi(queue.rbegin()->substr(0, 6));
            queue.erase(queue.begin());
            if (stuck || back) {
                queue.insert(format("%06d%d", last_key + 1, c));
                continue;
            }
            moves.insert(format("%02d1%02d", c, p));
            ++value[p];
            --value[c];
            failures = 0;
        }
        if (abandoned) continue;
        std::string body;
        for (int k = 1; k <= n * n; ++k) body += std::to_string(value[k]);
        body += ',';
        for (const std::string& move : moves) body += move.substr(3);
        return body;
    }
}

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

// Same draws, same choices as the sorted text lists (ties and long runs of requeues included),
// from one generator never reseeded (so no two cells give to each other); every puzzle
// verifies, and the solver solves it from its start.
TEST(GeneratePuzzle, ChoosesAsTheSortedTextListsDoAndIsWellFormed) {
    for (int n = MinGridSize; n <= MaxGridSize; ++n) {
        Random fast(n), literal(n);
        for (int i = 0; i < 20; ++i) {
            const std::string body = GeneratePuzzle(n, fast);
            ASSERT_EQ(body, generate_with_text_lists(n, literal)) << "N " << n << " #" << i;
            ASSERT_EQ(verify_puzzle_line(format_puzzle_line(1, n, body)), "") << body;
            if (i >= 3) continue;
            EXPECT_TRUE(plays_to_solved(start_of(body, n), solve(start_of(body, n)).moves)) << body;
        }
    }
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
