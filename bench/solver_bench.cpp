// The exact solver on 10,000 positions reached by random legal moves from generated 9 x 9
// puzzles (a tenth of them their starts): the time of each answer, its spread, and how many
// answers were a solution, a proven dead end or "unknown".
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "core/rules/exact_solver.h"
#include "core/rules/generate_puzzle.h"

namespace {

using kalder::Position;

constexpr int Puzzles = 1000;
constexpr int PositionsPerPuzzle = 10;

std::vector<Position> make_positions() {
    kalder::Random random(13);
    std::vector<Position> positions;
    for (int i = 0; i < Puzzles; ++i) {
        const std::string body = kalder::GeneratePuzzle(9, random);
        Position start(9);
        for (int k = 1; k <= 81; ++k) start.set_cell(k, body[k - 1] - '0', false);
        positions.push_back(start);
        for (int j = 1; j < PositionsPerPuzzle; ++j) {
            Position p = start;
            for (int steps = random.RandomInt(81); steps > 0; --steps) {
                std::vector<kalder::Move> moves;
                for (int giver = 1; giver <= 81; ++giver) {
                    for (const int receiver : p.neighbours(giver)) {
                        if (p.is_legal({giver, receiver})) moves.push_back({giver, receiver});
                    }
                }
                if (moves.empty()) break;
                p.play(moves[random.RandomInt(static_cast<int>(moves.size())) - 1]);
            }
            positions.push_back(p);
        }
    }
    return positions;
}

const std::vector<Position>& positions() {
    static const std::vector<Position> shared = make_positions();
    return shared;
}

// One pass over every position per iteration; the counters give the spread of single answers.
void BM_SolveTenThousandPositions(benchmark::State& state) {
    const auto& all = positions();
    std::vector<double> micros;
    int answers[3] = {};
    for (auto _ : state) {
        micros.clear();
        answers[0] = answers[1] = answers[2] = 0;
        for (const Position& p : all) {
            const auto begin = std::chrono::steady_clock::now();
            const kalder::SolveResult result = kalder::solve(p);
            const auto end = std::chrono::steady_clock::now();
            micros.push_back(std::chrono::duration<double, std::micro>(end - begin).count());
            ++answers[static_cast<int>(result.verdict)];
        }
    }
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double share) {
        return micros[static_cast<std::size_t>(share * static_cast<double>(micros.size() - 1))];
    };
    state.counters["median_us"] = at(0.5);
    state.counters["p99.9_us"] = at(0.999);
    state.counters["max_us"] = micros.back();
    state.counters["solution"] = answers[static_cast<int>(kalder::Verdict::solution)];
    state.counters["none"] = answers[static_cast<int>(kalder::Verdict::none)];
    state.counters["unknown"] = answers[static_cast<int>(kalder::Verdict::unknown)];
}

BENCHMARK(BM_SolveTenThousandPositions)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
