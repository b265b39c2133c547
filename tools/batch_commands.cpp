#include "batch_commands.h"

#include <cstdint>
#include <random>

#include "command_line.h"
#include "core/files/batch_tools.h"
#include "core/files/collection_file.h"

namespace kalder::tools {

const char* const BatchUsage =
    "  kalder-tools multicreate [--count N] [--seed S] FILE\n"
    "      replaces FILE with N new puzzles (default 10000) of sizes 4 to 9, numbered 00001 on\n"
    "  kalder-tools remdups [--folder DIR]\n"
    "      copies r3.kdr to r4.kdr without lines whose number repeats the line before, then\n"
    "      shuffles and renumbers r4.kdr into r5.kdr (DIR: default the working folder)\n"
    "  kalder-tools randomize FILE\n"
    "      writes FILE's puzzles in a random order, renumbered, to NAME-x.kdr beside it\n"
    "  kalder-tools reseq FILE\n"
    "      the same into NAME-r.kdr\n";

namespace {

bool wants_help(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") return true;
    }
    return false;
}

int usage(std::ostream& err) {
    err << "usage:\n" << BatchUsage;
    return UsageError;
}

int help(std::ostream& out) {
    out << "usage:\n" << BatchUsage;
    return 0;
}

BatchReport report_to(std::ostream& out, std::ostream& err) {
    return {[&out](const std::string& text) { out << text << "\n"; },
            [&err](const std::string& text) { err << text << "\n"; }};
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
int shuffle_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const std::string& suffix) {
    if (wants_help(args)) return help(out);
    if (args.size() != 1 || args[0].rfind("--", 0) == 0) return usage(err);
    Random random = seeded(nullptr);
    const std::string& file = args[0];
    return shuffle_collection(file, batch_output_name(file, suffix), random, report_to(out, err))
               ? 0
               : Failed;
}

}  // namespace

int multicreate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                bool progress_bar) {
    if (wants_help(args)) return help(out);
    int count = MultiCreateCount;
    std::uint64_t seed = 0;
    bool has_seed = false;
    std::string file;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool has_value = i + 1 < args.size();
        if (arg == "--count" && has_value) {
            if (!read_number(args[++i], count) || count < 1 || count > MaxCollectionLines) {
                err << "the count runs from 1 to " << MaxCollectionLines << "\n";
                return usage(err);
            }
        } else if (arg == "--seed" && has_value) {
            if (!read_number(args[++i], seed)) return usage(err);
            has_seed = true;
        } else if (file.empty() && arg.rfind("--", 0) != 0) {
            file = arg;
        } else {
            return usage(err);
        }
    }
    if (file.empty()) return usage(err);
    Random random = seeded(has_seed ? &seed : nullptr);
    const auto progress = [&](int done, int) { show_progress(err, progress_bar, done, count); };
    return multi_create(file, count, random, progress, report_to(out, err)) ? 0 : Failed;
}

int remdups(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (wants_help(args)) return help(out);
    std::string folder = ".";
    if (args.size() == 2 && args[0] == "--folder") {
        folder = args[1];
    } else if (!args.empty()) {
        return usage(err);
    }
    Random random = seeded(nullptr);
    return remove_repeated_numbers(folder, random, report_to(out, err)) ? 0 : Failed;
}

int randomize(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return shuffle_command(args, out, err, "-x.kdr");
}

int reseq(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return shuffle_command(args, out, err, "-r.kdr");
}

}  // namespace kalder::tools
