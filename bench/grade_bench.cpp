// Grading the whole shipped collection, as `kalder-tools rate` does: reading every line and
// grading its start. The goal is under a second.
#include <benchmark/benchmark.h>

#include "core/files/puzzle_grades.h"

namespace {

void BM_GradeShippedCollection(benchmark::State& state) {
    std::size_t puzzles = 0;
    for (auto _ : state) {
        const auto graded = kalder::grade_collection(KALDER_SHIPPED_COLLECTION);
        if (!graded) {
            state.SkipWithError("the shipped collection cannot be read");
            return;
        }
        puzzles = graded->puzzles.size();
        benchmark::DoNotOptimize(graded->puzzles.data());
    }
    state.counters["puzzles"] = static_cast<double>(puzzles);
}

BENCHMARK(BM_GradeShippedCollection)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
