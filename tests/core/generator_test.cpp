#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <stdexcept>
#include <string>

#include "core/game/puzzle_line.h"
#include "core/generator/generate_puzzle.h"

namespace kalder {
namespace {

constexpr int SeedsPerSize = 500;

int key_draw(Random& random, int keys) {
    return static_cast<int>(random.fraction() * keys + 1);
}

std::string format(const char* pattern, int a, int b = 0, int c = 0) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, a, b, c);
    return text;
}

// The generation told with sorted text lists, entry by entry, as the program's hidden list
// boxes hold them. Queue keys are written with six digits instead of three so that a key past
// 999 still sorts last; below that the order is the same.
std::string generate_with_text_lists(int n, Random& random) {
    const int cells = n * n;
    for (;;) {
        std::multiset<std::string> moves;
        std::multiset<std::string> queue;
        int value[82] = {};
        for (int k = 1; k <= cells; ++k) value[k] = (k - 1) / n + 1;
        for (int k = 1; k <= cells; ++k) queue.insert(format("%06d%d", key_draw(random, 500), k));
        const auto cell_of = [](const std::string& entry) { return std::stoi(entry.substr(6)); };
        const auto requeue = [&] {
            const int key = std::stoi(queue.rbegin()->substr(0, 6)) + 1;
            const int cell = cell_of(*queue.begin());
            queue.erase(queue.begin());
            queue.insert(format("%06d%d", key, cell));
        };
        const auto pick_partner = [&](int c) {
            const int row = (c - 1) / n + 1, col = (c - 1) % n + 1;
            if (col >= 2 && value[c - 1] == 1) return c - 1;
            if (col < n && value[c + 1] == 1) return c + 1;
            if (row >= 2 && value[c - n] == 1) return c - n;
            if (row < n && value[c + n] == 1) return c + n;
            std::multiset<std::string> candidates;
            const struct {
                bool exists;
                int row, col;
            } directions[] = {{col > 1, row, col - 1},
                              {col < n, row, col + 1},
                              {row > 1, row - 1, col},
                              {row < n, row + 1, col}};
            for (const auto& d : directions) {
                const int key = key_draw(random, 997);
                if (d.exists) candidates.insert(format("%03d%02d%02d", key, d.row, d.col));
            }
            int partner = 0;
            for (const std::string& entry : candidates) {
                partner = (std::stoi(entry.substr(3, 2)) - 1) * n + std::stoi(entry.substr(5, 2));
                if (value[partner] < 9) return partner;
            }
            return partner;
        };
        bool abandoned = false;
        int failures = 0;
        while (!queue.empty() && !abandoned) {
            if (++failures > 10) {
                abandoned = true;
                break;
            }
            const int c = cell_of(*queue.begin());
            int p = 0;
            if (value[c] == 1 || value[p = pick_partner(c)] == 9) {
                requeue();
                continue;
            }
            const std::string back = format("%02d1%02d", p, c);
            const auto found = moves.lower_bound(back);
            if (found != moves.end() && found->rfind(back, 0) == 0) {
                if (queue.size() == 1) abandoned = true;
                if (!abandoned) requeue();
                continue;
            }
            moves.insert(format("%02d1%02d", c, p));
            ++value[p];
            --value[c];
            failures = 0;
            queue.erase(queue.begin());
        }
        if (abandoned) continue;
        std::string body;
        for (int k = 1; k <= cells; ++k) body += std::to_string(value[k]);
        body += ',';
        for (const std::string& move : moves) body += move.substr(3);
        return body;
    }
}

// Every puzzle of every size verifies (its moves reach the solved rows), shows 1 to 9 in each
// cell and the rows' total, and no two cells give to each other. Sizes no board has are
// refused.
TEST(GeneratePuzzle, EveryPuzzleIsWellFormedAndSolvable) {
    for (int n = 3; n <= 9; ++n) {
        const int cells = n * n;
        Random random(n);
        for (int i = 0; i < SeedsPerSize; ++i) {
            const std::string body = GeneratePuzzle(n, random);
            ASSERT_EQ(verify_puzzle_line(format_puzzle_line(1, n, body)), "") << body;
            int sum = 0;
            for (int k = 0; k < cells; ++k) {
                ASSERT_TRUE(body[k] >= '1' && body[k] <= '9') << body;
                sum += body[k] - '0';
            }
            ASSERT_EQ(sum, cells * (n + 1) / 2) << body;
            const auto giver = [&](int k) { return std::stoi(body.substr(cells - 1 + 2 * k, 2)); };
            for (int k = 1; k <= cells; ++k) ASSERT_NE(giver(giver(k)), k) << k << ": " << body;
        }
    }
    Random random(1);
    for (const int n : {-1, 0, 2, 10, 81}) {
        EXPECT_THROW(GeneratePuzzle(n, random), std::invalid_argument) << n;
    }
}

// Same draws, same choices: the queue, requeue and partner rules behave exactly like the
// program's sorted text lists, ties and long runs of requeues included.
TEST(GeneratePuzzle, ChoosesAsTheSortedTextListsDo) {
    for (int n = 3; n <= 9; ++n) {
        for (int seed = 0; seed < 100; ++seed) {
            Random fast(seed), literal(seed);
            ASSERT_EQ(GeneratePuzzle(n, fast), generate_with_text_lists(n, literal))
                << "N " << n << " seed " << seed;
        }
    }
}

}  // namespace
}  // namespace kalder
