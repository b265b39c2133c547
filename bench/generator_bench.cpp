// Generation of one puzzle, attempts it abandons included.
#include <benchmark/benchmark.h>

#include "core/rules/generate_puzzle.h"

namespace {

void BM_GeneratePuzzle(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    kalder::Random random(2026);
    for (auto _ : state) benchmark::DoNotOptimize(kalder::GeneratePuzzle(size, random));
}

BENCHMARK(BM_GeneratePuzzle)
    ->Arg(3)
    ->Arg(5)
    ->Arg(7)
    ->Arg(9)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
