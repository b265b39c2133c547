// Command-line tools over collections: generate new puzzles into a file, verify a file.
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/game/collection_file.h"
#include "core/game/puzzle_line.h"
#include "core/game/random.h"
#include "core/generator/generate_puzzle.h"

namespace {

constexpr int UsageError = 2;

int usage() {
    std::fputs(
        "usage:\n"
        "  kalder-tools generate --size N|mixed --count K [--seed S] FILE\n"
        "      appends K new puzzles of size N (3 to 9; mixed: a random size each)\n"
        "  kalder-tools verify FILE\n"
        "      checks every line; prints each bad line and exits 1 if there is one\n",
        stderr);
    return UsageError;
}

bool read_int(const char* text, int& value) {
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed < 0 || parsed > 1'000'000) return false;
    value = static_cast<int>(parsed);
    return true;
}

int generate(const std::vector<std::string>& args) {
    int size = 0;  // 0: mixed
    int count = -1;
    std::uint64_t seed = std::random_device{}();
    std::string file;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool has_value = i + 1 < args.size();
        if (arg == "--size" && has_value) {
            const std::string& value = args[++i];
            if (value != "mixed" && (!read_int(value.c_str(), size) || size < 3 || size > 9)) {
                return usage();
            }
        } else if (arg == "--count" && has_value) {
            if (!read_int(args[++i].c_str(), count)) return usage();
        } else if (arg == "--seed" && has_value) {
            seed = std::strtoull(args[++i].c_str(), nullptr, 10);
        } else if (file.empty() && arg.rfind("--", 0) != 0) {
            file = arg;
        } else {
            return usage();
        }
    }
    if (file.empty() || count < 0) return usage();
    kalder::Random random(seed);
    for (int i = 0; i < count; ++i) {
        const int n = size != 0 ? size : 2 + random.RandomInt(7);
        if (!kalder::AppendPuzzle(file, n, kalder::GeneratePuzzle(n, random))) {
            std::fprintf(stderr, "%s: cannot be written\n", file.c_str());
            return 1;
        }
    }
    std::printf("%d puzzles appended to %s\n", count, file.c_str());
    return 0;
}

int verify(const std::vector<std::string>& args) {
    if (args.size() != 1) return usage();
    const std::string& file = args[0];
    int lines = 0;
    int bad = 0;
    const bool read = kalder::for_each_collection_line(file, [&](int n, std::string_view line) {
        lines = n;
        const std::string problem = kalder::verify_puzzle_line(line);
        if (!problem.empty()) {
            std::printf("line %d: %s\n", n, problem.c_str());
            ++bad;
        }
        return true;
    });
    if (!read || lines == 0) {
        std::fprintf(stderr, "%s: missing, empty or unreadable\n", file.c_str());
        return 1;
    }
    if (bad != 0) {
        std::printf("%d of %d lines are bad\n", bad, lines);
        return 1;
    }
    std::printf("%d puzzles, all good\n", lines);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) return usage();
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "generate") return generate(args);
    if (command == "verify") return verify(args);
    return usage();
}
