// Reading a collection of 99,999 9 x 9 puzzles: counting its lines and showing the last one.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "core/files/collection_file.h"
#include "core/files/puzzle_line.h"
#include "core/rules/generate_puzzle.h"

namespace {

constexpr int Lines = 99'999;

const std::string& big_collection() {
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "kalder-bench-99999.kdr";
        std::ofstream out(file, std::ios::binary);
        kalder::Random random(9);
        // A few hundred distinct puzzles repeated: the reader's cost does not depend on them.
        std::vector<std::string> bodies;
        for (int i = 0; i < 256; ++i) bodies.push_back(kalder::GeneratePuzzle(9, random));
        for (int n = 1; n <= Lines; ++n) {
            out << kalder::format_puzzle_line(n, 9, bodies[n % bodies.size()]) << "\r\n";
        }
        return file.string();
    }();
    return path;
}

void BM_CountLines(benchmark::State& state) {
    const std::string& path = big_collection();
    for (auto _ : state) benchmark::DoNotOptimize(kalder::CountLines(path));
}

void BM_ReadLastLine(benchmark::State& state) {
    const std::string& path = big_collection();
    for (auto _ : state) {
        const auto line = kalder::read_collection_line(path, Lines);
        benchmark::DoNotOptimize(kalder::parse_puzzle_line(*line));
    }
}

BENCHMARK(BM_CountLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLastLine)->Unit(benchmark::kMillisecond);

}  // namespace
