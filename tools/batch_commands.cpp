#include "batch_commands.h"

#include <cstdint>
#include <filesystem>
#include <random>

#include "core/files/batch_tools.h"
#include "core/files/collection_file.h"

namespace kalder::tools {

const char* const MulticreateUsage =
    "  kalder-tools multicreate [--count N] [--seed S] FILE\n"
    "      replaces FILE with N (1 to 99999, default 10000) new puzzles of sizes 4 to 9,\n"
    "      numbered 00001 on\n";
const char* const RemdupsUsage =
    "  kalder-tools remdups [--folder DIR]\n"
    "      copies r3.kdr to r4.kdr without lines whose number repeats the line before, then\n"
    "      shuffles and renumbers r4.kdr into r5.kdr (DIR: default the working folder)\n";
const char* const RandomizeUsage =
    "  kalder-tools randomize FILE\n"
    "      writes FILE's puzzles (at most 99999) in a random order, renumbered, to NAME-x.kdr\n"
    "      beside it\n";
const char* const ReseqUsage =
    "  kalder-tools reseq FILE\n"
    "      the same into NAME-r.kdr\n";

namespace {

// Closing texts to out; a failure, named after its command, to err.
BatchReport report_to(const Streams& io, const std::string& command) {
    return {[&io](const std::string& text) { io.out << text << "\n"; },
            [&io, command](const std::string& text) { failed(io, command, text); }};
}

Random seeded(const std::uint64_t* seed) {
    return Random(seed != nullptr ? *seed : std::random_device{}());
}

// A bar redrawn in place on a terminal; elsewhere a line at every tenth of the work.
void show_progress(std::ostream& err, bool bar, int done, int count) {
    constexpr int BarWidth = 40;
    if (bar) {
        const int filled = static_cast<int>(static_cast<long long>(done) * BarWidth / count);
        const int before = static_cast<int>(static_cast<long long>(done - 1) * BarWidth / count);
        if (filled == before && done != count && done != 1) return;
        err << "\r[" << std::string(filled, '#') << std::string(BarWidth - filled, ' ') << "] "
            << done << "/" << count << (done == count ? "\n" : "") << std::flush;
        return;
    }
    const int step = count >= 10 ? count / 10 : 1;
    if (done % step == 0 || done == count) err << done << " of " << count << " puzzles\n";
}

// The one FILE argument of randomize and reseq.
int shuffle_command(const Args& args, const Streams& io, const std::string& command,
                    const std::string& suffix) {
    const auto line = read_command_line(args, {}, 1, command, io);
    if (!line) return UsageError;
    if (line->words.empty()) return wrong(io, command, "FILE is missing");
    const std::string& file = line->words[0];
    if (const std::string problem = input_problem(file); !problem.empty()) {
        return failed(io, command, problem);
    }
    Random random = seeded(nullptr);
    return shuffle_collection(file, batch_output_name(file, suffix), random, report_to(io, command))
               ? 0
               : Failed;
}

}  // namespace

int multicreate(const Args& args, const Streams& io) {
    const auto line = read_command_line(args, {"--count", "--seed"}, 1, "multicreate", io);
    if (!line) return UsageError;
    int count = MultiCreateCount;
    if (const std::string* value = line->option("--count");
        value != nullptr &&
        (!read_number(*value, count) || count < 1 || count > MaxCollectionLines)) {
        return wrong(io, "multicreate", "--count must be 1 to 99999, not " + *value);
    }
    std::uint64_t seed = 0;
    const std::string* seed_text = line->option("--seed");
    if (seed_text != nullptr && !read_number(*seed_text, seed)) {
        return wrong(io, "multicreate",
                     "--seed must be a whole number from 0 on, not " + *seed_text);
    }
    if (line->words.empty()) return wrong(io, "multicreate", "FILE is missing");
    Random random = seeded(seed_text != nullptr ? &seed : nullptr);
    const auto progress = [&](int done, int) {
        show_progress(io.err, io.progress_bar, done, count);
    };
    return multi_create(line->words[0], count, random, progress, report_to(io, "multicreate"))
               ? 0
               : Failed;
}

int remdups(const Args& args, const Streams& io) {
    const auto line = read_command_line(args, {"--folder"}, 0, "remdups", io);
    if (!line) return UsageError;
    const std::string* folder = line->option("--folder");
    const std::string r3 = (std::filesystem::path(folder ? *folder : ".") / "r3.kdr").string();
    if (const std::string problem = input_problem(r3); !problem.empty()) {
        return failed(io, "remdups", problem);
    }
    Random random = seeded(nullptr);
    return remove_repeated_numbers(folder ? *folder : ".", random, report_to(io, "remdups"))
               ? 0
               : Failed;
}

int randomize(const Args& args, const Streams& io) {
    return shuffle_command(args, io, "randomize", "-x.kdr");
}

int reseq(const Args& args, const Streams& io) {
    return shuffle_command(args, io, "reseq", "-r.kdr");
}

}  // namespace kalder::tools
