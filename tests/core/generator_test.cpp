#include <gtest/gtest.h>

#include <numeric>
#include <stdexcept>

#include "core/game/puzzle_line.h"
#include "core/generator/generate_puzzle.h"

namespace kalder {
namespace {

constexpr int SeedsPerSize = 1500;

TEST(GeneratePuzzle, EveryPuzzleIsWellFormedAndSolvable) {
    for (int n = 3; n <= 9; ++n) {
        const int cells = n * n;
        for (int seed = 0; seed < SeedsPerSize; ++seed) {
            Random random(seed * 7919 + n);
            const std::string body = GeneratePuzzle(n, random);
            ASSERT_EQ(body.size(), static_cast<std::size_t>(cells + 1 + 2 * cells)) << body;
            const std::string problem = verify_puzzle_line(format_puzzle_line(1, n, body));
            ASSERT_EQ(problem, "") << "N " << n << " seed " << seed << ": " << body;

            int sum = 0;
            for (int k = 0; k < cells; ++k) {
                ASSERT_GE(body[k], '1') << body;
                ASSERT_LE(body[k], '9') << body;
                sum += body[k] - '0';
            }
            ASSERT_EQ(sum, cells * (n + 1) / 2) << body;

            const std::string moves = body.substr(cells + 1);
            const auto giver = [&](int k) { return std::stoi(moves.substr(2 * (k - 1), 2)); };
            for (int k = 1; k <= cells; ++k) {
                ASSERT_NE(giver(giver(k)), k)
                    << "cells " << k << " and " << giver(k) << " gave to each other: " << body;
            }
        }
    }
}

TEST(GeneratePuzzle, TheSameSeedGivesTheSamePuzzle) {
    for (int n = 3; n <= 9; ++n) {
        Random first(42), second(42), other(43);
        const std::string body = GeneratePuzzle(n, first);
        EXPECT_EQ(GeneratePuzzle(n, second), body);
        EXPECT_NE(GeneratePuzzle(n, other), body) << n;
    }
}

TEST(GeneratePuzzle, RefusesSizesNoBoardHas) {
    Random random(1);
    for (const int n : {-1, 0, 2, 10, 81}) {
        EXPECT_THROW(GeneratePuzzle(n, random), std::invalid_argument) << n;
    }
}

}  // namespace
}  // namespace kalder
