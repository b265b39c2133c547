// The game's own steps on big inputs, with every pause answered at once: showing the last
// puzzle of a 99,999-line collection, stepping through it, and replaying a 9 x 9 solution.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "bench_platform.h"
#include "core/app/form1.h"
#include "core/files/puzzle_line.h"
#include "core/rules/generate_puzzle.h"

namespace {

constexpr int Lines = 99'999;

struct Game {
    Game() {
        folder = std::filesystem::temp_directory_path() / "kalder-bench-game";
        std::filesystem::create_directories(folder);
        platform.folder = folder.string() + "/";
        collection = (folder / "big.kdr").string();
        std::ofstream out(collection, std::ios::binary);
        kalder::Random make(9);
        for (int n = 1; n <= Lines; ++n) {
            out << kalder::format_puzzle_line(n, 9, kalder::GeneratePuzzle(9, make)) << "\r\n";
            if (n == 256) make = kalder::Random(9);  // repeat: reading cost does not care
        }
        out.close();
        form.Form_Load();
    }
    std::filesystem::path folder;
    std::string collection;
    kalder::bench::InstantPlatform platform;
    kalder::Random random{1};
    kalder::Form1 form{platform, random};
};

Game& game() {
    static Game shared;
    return shared;
}

void BM_ShowLastPuzzle(benchmark::State& state) {
    Game& g = game();
    for (auto _ : state) benchmark::DoNotOptimize(g.form.ShowPuzzle(g.collection, Lines));
}

void BM_NextAndPrevious(benchmark::State& state) {
    Game& g = game();
    g.form.ShowPuzzle(g.collection, Lines - 1);
    int step = 0;
    for (auto _ : state) g.form.arrows_MouseUp(step++ % 2 == 0 ? 2 : 0, kalder::MouseEvent{});
}

void BM_ReplayNineByNine(benchmark::State& state) {
    Game& g = game();
    g.form.ShowPuzzle(g.collection, 1);
    for (auto _ : state) g.form.ShowSolution(g.form.PuzzleBody, 1000);
}

BENCHMARK(BM_ShowLastPuzzle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NextAndPrevious)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplayNineByNine)->Unit(benchmark::kMicrosecond);

}  // namespace
