// MultiCreate end to end, file written: the work should grow in step with the count.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/files/batch_tools.h"

namespace {

void BM_MultiCreate(benchmark::State& state) {
    const std::string out =
        (std::filesystem::temp_directory_path() / "kalder-bench-random2.kdr").string();
    const kalder::BatchReport quiet{[](const std::string&) {}, [](const std::string&) {}};
    kalder::Random random(2026);
    for (auto _ : state) {
        const bool written =
            kalder::multi_create(out, static_cast<int>(state.range(0)), random, nullptr, quiet);
        if (!written) state.SkipWithError("cannot write the output");
    }
    std::filesystem::remove(out);
}

BENCHMARK(BM_MultiCreate)
    ->Arg(10'000)
    ->Arg(20'000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
