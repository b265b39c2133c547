#include "collection_tools.h"

#include <cstdint>
#include <random>

#include "batch_commands.h"
#include "command_line.h"
#include "core/files/collection_file.h"
#include "core/files/puzzle_line.h"
#include "core/rules/board.h"
#include "core/rules/generate_puzzle.h"
#include "core/rules/random.h"
#include "solve_tool.h"

namespace kalder::tools {

namespace {

void print_usage(std::ostream& stream) {
    stream << "usage:\n"
              "  kalder-tools generate --size N|mixed --count K [--seed S] FILE\n"
              "      appends K new puzzles of size N (3 to 9; mixed: a random size each)\n"
              "  kalder-tools verify FILE\n"
              "      checks every line; prints each bad line and exits 1 if there is one\n"
              "  kalder-tools solve FILE N\n"
              "      prints a solution of puzzle N from its start\n"
              "  kalder-tools solve\n"
              "      reads positions \"N VALUES LOCKED\" from standard input, one a line, and\n"
              "      prints for each the moves giver-receiver of a solution, none or unknown\n"
           << BatchUsage << "  kalder-tools COMMAND --help\n";
}

}  // namespace

int usage(std::ostream& err) {
    print_usage(err);
    return UsageError;
}

namespace {

int generate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int size = 0;  // 0: mixed
    int count = -1;
    std::uint64_t seed = std::random_device{}();
    std::string file;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool has_value = i + 1 < args.size();
        if (arg == "--size" && has_value) {
            const std::string& value = args[++i];
            if (value == "mixed") {
                size = 0;
            } else if (!read_number(value, size) || size < MinGridSize || size > MaxGridSize) {
                return usage(err);
            }
        } else if (arg == "--count" && has_value) {
            if (!read_number(args[++i], count) || count < 0) return usage(err);
        } else if (arg == "--seed" && has_value) {
            if (!read_number(args[++i], seed)) return usage(err);
        } else if (file.empty() && arg.rfind("--", 0) != 0) {
            file = arg;
        } else {
            return usage(err);
        }
    }
    if (file.empty() || count < 0) return usage(err);
    // Checked before the first puzzle, so a run that cannot finish changes nothing.
    const int present = CountLines(file);
    if (count > MaxCollectionLines - present) {
        err << file << ": holds " << present << " lines, and a collection takes at most "
            << MaxCollectionLines << "\n";
        return Failed;
    }
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const int n =
            size != 0 ? size : MinGridSize - 1 + random.RandomInt(MaxGridSize - MinGridSize + 1);
        if (!AppendPuzzle(file, n, GeneratePuzzle(n, random))) {
            err << file << ": cannot be written; " << i << " puzzles appended\n";
            return Failed;
        }
    }
    out << count << " puzzles appended to " << file << "\n";
    return 0;
}

int verify(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) return usage(err);
    const std::string& file = args[0];
    int lines = 0;
    int bad = 0;
    const bool read = for_each_collection_line(file, [&](int n, std::string_view line) {
        lines = n;
        const std::string problem = verify_puzzle_line(line);
        if (!problem.empty()) {
            out << "line " << n << ": " << problem << "\n";
            ++bad;
        }
        return true;
    });
    if (!read || lines == 0) {
        err << file << ": missing, empty or unreadable\n";
        return Failed;
    }
    if (bad != 0) {
        out << bad << " of " << lines << " lines are bad\n";
        return Failed;
    }
    out << lines << " puzzles, all good\n";
    return 0;
}

}  // namespace

int run_collection_tool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                        std::istream& in, bool progress_bar) {
    if (args.empty()) return usage(err);
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        print_usage(out);
        return 0;
    }
    const bool help = rest.size() == 1 && (rest[0] == "--help" || rest[0] == "-h");
    if (help && (command == "generate" || command == "verify" || command == "solve")) {
        print_usage(out);
        return 0;
    }
    if (command == "generate") return generate(rest, out, err);
    if (command == "verify") return verify(rest, out, err);
    if (command == "solve") return solve_command(rest, in, out, err);
    if (command == "multicreate") return multicreate(rest, out, err, progress_bar);
    if (command == "remdups") return remdups(rest, out, err);
    if (command == "randomize") return randomize(rest, out, err);
    if (command == "reseq") return reseq(rest, out, err);
    return usage(err);
}

}  // namespace kalder::tools
