#include "collection_tools.h"

#include <cstdint>
#include <random>

#include "batch_commands.h"
#include "command_line.h"
#include "core/files/collection_file.h"
#include "core/files/distinct_puzzles.h"
#include "core/files/puzzle_line.h"
#include "core/rules/board.h"
#include "core/rules/random.h"
#include "rate_tool.h"
#include "solve_tool.h"

namespace kalder::tools {

namespace {

const char* const GenerateUsage =
    "  kalder-tools generate [--size N|mixed] --count K [--seed S] FILE\n"
    "      appends K (0 to 99999) new puzzles of size N (3 to 9; mixed, the default: a random\n"
    "      size each) to FILE, made when missing; a collection holds at most 99999 puzzles.\n"
    "      Each is a board FILE does not hold yet; fewer when no new one turns up\n";
const char* const VerifyUsage =
    "  kalder-tools verify FILE\n"
    "      checks every line; prints each bad line and exits 1 if there is one\n";

int generate(const Args& args, const Streams& io) {
    const auto line = read_command_line(args, {"--size", "--count", "--seed"}, 1, "generate", io);
    if (!line) return UsageError;
    int size = 0;  // 0: mixed
    if (const std::string* value = line->option("--size");
        value != nullptr && *value != "mixed" &&
        (!read_number(*value, size) || size < MinGridSize || size > MaxGridSize)) {
        return wrong(io, "generate", "--size must be 3 to 9 or mixed, not " + *value);
    }
    int count = 0;
    const std::string* count_text = line->option("--count");
    if (count_text == nullptr) return wrong(io, "generate", "--count is missing");
    if (!read_number(*count_text, count) || count < 0 || count > MaxCollectionLines) {
        return wrong(io, "generate", "--count must be 0 to 99999, not " + *count_text);
    }
    std::uint64_t seed = std::random_device{}();
    if (const std::string* value = line->option("--seed");
        value != nullptr && !read_number(*value, seed)) {
        return wrong(io, "generate", "--seed must be a whole number from 0 on, not " + *value);
    }
    if (line->words.empty()) return wrong(io, "generate", "FILE is missing");
    const std::string& file = line->words[0];
    // Checked before the first puzzle, so a run that cannot finish changes nothing.
    if (const std::string problem = append_problem(file); !problem.empty()) {
        return failed(io, "generate", problem);
    }
    const int present = CountLines(file);
    if (count > MaxCollectionLines - present) {
        return failed(io, "generate",
                      file + " holds " + std::to_string(present) +
                          " puzzles, and a collection at most 99999: " +
                          std::to_string(MaxCollectionLines - present) + " more fit, not " +
                          std::to_string(count));
    }
    Random random(seed);
    const auto size_of_next = [size](Random& draw) {
        return size != 0 ? size : MinGridSize - 1 + draw.RandomInt(MaxGridSize - MinGridSize + 1);
    };
    const DistinctAppend made = append_distinct_puzzles(file, count, size_of_next, random);
    if (made.write_failed) {
        return failed(
            io, "generate",
            file + ": cannot be written; " + std::to_string(made.appended) + " puzzles appended");
    }
    if (made.exhausted) {
        io.out << "no new board in " << MaxRepeatsInARow << " tries in a row; only ";
    }
    io.out << made.appended << " puzzles appended to " << file << "\n";
    return 0;
}

int verify(const Args& args, const Streams& io) {
    const auto line = read_command_line(args, {}, 1, "verify", io);
    if (!line) return UsageError;
    if (line->words.empty()) return wrong(io, "verify", "FILE is missing");
    const std::string& file = line->words[0];
    if (const std::string problem = input_problem(file); !problem.empty()) {
        return failed(io, "verify", problem);
    }
    int lines = 0;
    int bad = 0;
    const bool read = for_each_collection_line(file, [&](int n, std::string_view text) {
        lines = n;
        const std::string problem = verify_puzzle_line(text);
        if (!problem.empty()) {
            io.out << "line " << n << ": " << problem << "\n";
            ++bad;
        }
        return true;
    });
    if (!read) return failed(io, "verify", file + ": cannot be read");
    if (lines == 0) return failed(io, "verify", file + ": holds no puzzles");
    if (bad != 0) {
        io.out << bad << " of " << lines << " lines are bad\n";
        return Failed;
    }
    io.out << lines << " puzzles, all good\n";
    return 0;
}

const Command Commands[] = {
    {"generate", GenerateUsage, generate},          {"verify", VerifyUsage, verify},
    {"solve", SolveUsage, solve_command},           {"rate", RateUsage, rate_command},
    {"multicreate", MulticreateUsage, multicreate}, {"remdups", RemdupsUsage, remdups},
    {"randomize", RandomizeUsage, randomize},       {"reseq", ReseqUsage, reseq},
};

bool is_help(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

}  // namespace

std::string full_usage() {
    std::string text = "usage:\n";
    for (const Command& command : Commands) text += command.usage;
    return text +
           "  kalder-tools COMMAND --help\n      the usage of that command alone\n"
           "  kalder-tools --version\n      the version of the tools\n";
}

int run_collection_tool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                        std::istream& in, bool progress_bar) {
    const Streams io{out, err, in, progress_bar};
    if (args.empty()) {
        err << "kalder-tools: no command given; kalder-tools --help lists them\n";
        return UsageError;
    }
    if (is_help(args[0]) || args[0] == "help") {
        out << full_usage();
        return 0;
    }
    if (args[0] == "--version") {
        out << "kalder-tools " << KALDER_VERSION << "\n";
        return 0;
    }
    for (const Command& command : Commands) {
        if (args[0] != command.name) continue;
        const Args rest(args.begin() + 1, args.end());
        for (const std::string& arg : rest) {
            if (!is_help(arg)) continue;
            out << "usage:\n" << command.usage;
            return 0;
        }
        return command.run(rest, io);
    }
    err << "kalder-tools: unknown command " << args[0] << "; kalder-tools --help lists them\n";
    return UsageError;
}

}  // namespace kalder::tools
