#include "core/files/batch_tools.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "core/base/atomic_file.h"
#include "core/files/collection_file.h"
#include "core/files/puzzle_line.h"
#include "core/rules/generate_puzzle.h"

namespace kalder {

namespace {

// Shuffle keys run from 00000 to 99996.
constexpr int ShuffleKeys = 99'997;

std::string five_digits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%05d", n);
    return text;
}

// Fields 2 to 4 of a line with the comma before them (",S,CELLS,MOVES"); nothing when the line
// has fewer than four fields.
std::optional<std::string_view> fields_after_number(std::string_view line) {
    std::size_t comma = line.find(',');
    const std::size_t start = comma;
    for (int field = 2; field <= 3 && comma != std::string_view::npos; ++field) {
        comma = line.find(',', comma + 1);
    }
    if (comma == std::string_view::npos) return std::nullopt;
    const std::size_t end = line.find(',', comma + 1);
    return line.substr(start, end == std::string_view::npos ? end : end - start);
}

std::optional<std::vector<std::string>> read_lines(const std::string& path) {
    std::vector<std::string> lines;
    const bool read = for_each_collection_line(path, [&](int, std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    if (!read) return std::nullopt;
    return lines;
}

std::string cannot_read(const std::string& path) {
    return path + " is missing or cannot be read; nothing was written";
}

std::string cannot_write(const std::string& path) {
    return path + " could not be written";
}

// Before any work: what killed runs left beside the output goes, and an output that cannot be
// written is said at once rather than after all the work.
bool ready_to_write(const std::string& out, const BatchReport& report) {
    remove_stale_temporary_files(out);
    if (can_replace(out)) return true;
    report.failed(cannot_write(out));
    return false;
}

// A closing text, followed by how many lines were skipped when there were any.
std::string with_skipped(std::string text, int short_lines) {
    if (short_lines == 1) text += ", 1 line with fewer than four fields skipped";
    if (short_lines > 1) {
        text += ", " + std::to_string(short_lines) + " lines with fewer than four fields skipped";
    }
    return text;
}

// Shuffles `in` into `out`; the number of lines written and skipped on success.
std::optional<Shuffled> shuffle_file(const std::string& in, const std::string& out, Random& random,
                                     const BatchReport& report) {
    if (!ready_to_write(out, report)) return std::nullopt;
    const auto lines = read_lines(in);
    if (!lines) {
        report.failed(cannot_read(in));
        return std::nullopt;
    }
    Shuffled shuffled =
        shuffle_and_renumber(std::vector<std::string_view>(lines->begin(), lines->end()), random);
    if (shuffled.lines > MaxCollectionLines) {
        report.failed(in + " holds more than " + std::to_string(MaxCollectionLines) +
                      " puzzles; nothing was written");
        return std::nullopt;
    }
    if (!write_file_atomically(out, shuffled.content)) {
        report.failed(cannot_write(out));
        return std::nullopt;
    }
    return shuffled;
}

}  // namespace

std::string batch_output_name(const std::string& collection, const std::string& suffix) {
    std::filesystem::path path(collection);
    path.replace_filename(path.stem().string() + suffix);
    return path.string();
}

Shuffled shuffle_and_renumber(const std::vector<std::string_view>& lines, Random& random) {
    std::vector<std::string> entries;
    entries.reserve(lines.size());
    Shuffled shuffled;
    for (const std::string_view line : lines) {
        const auto rest = fields_after_number(line);
        if (!rest) {
            ++shuffled.short_lines;
            continue;
        }
        entries.push_back(five_digits(static_cast<int>(random.fraction() * ShuffleKeys)));
        entries.back() += *rest;
    }
    std::sort(entries.begin(), entries.end());
    for (std::string& entry : entries) {
        entry.replace(0, 5, five_digits(++shuffled.lines));
        shuffled.content += entry;
        shuffled.content += "\r\n";
    }
    return shuffled;
}

bool multi_create(const std::string& out, int count, Random& random,
                  const std::function<void(int, int)>& progress, const BatchReport& report) {
    if (count > MaxCollectionLines) {
        report.failed("a collection holds at most " + std::to_string(MaxCollectionLines) +
                      " puzzles; nothing was written");
        return false;
    }
    if (!ready_to_write(out, report)) return false;
    std::string content;
    // Counted once and numbered on: each line is one past the one before.
    for (int i = 1; i <= count; ++i) {
        const int size = random.RandomInt(6) + 3;
        content += format_puzzle_line(i, size, GeneratePuzzle(size, random));
        content += "\r\n";
        if (progress) progress(i, size);
    }
    if (!write_file_atomically(out, content)) {
        report.failed(cannot_write(out));
        return false;
    }
    report.done("done");
    return true;
}

bool remove_repeated_numbers(const std::string& folder, Random& random, const BatchReport& report) {
    const std::string r3 = (std::filesystem::path(folder) / "r3.kdr").string();
    const std::string r4 = (std::filesystem::path(folder) / "r4.kdr").string();
    const std::string r5 = (std::filesystem::path(folder) / "r5.kdr").string();
    if (!ready_to_write(r4, report) || !ready_to_write(r5, report)) return false;
    const auto lines = read_lines(r3);
    if (!lines) {
        report.failed(cannot_read(r3));
        return false;
    }
    std::string kept;
    std::string_view previous;
    // Short lines are left out of r4 itself, not only of the shuffle that follows, so r4 never
    // holds a line the closing count says was skipped.
    int short_lines = 0;
    for (const std::string& line : *lines) {
        if (!fields_after_number(line)) {
            ++short_lines;
            continue;
        }
        const std::string_view number = std::string_view(line).substr(0, line.find(','));
        if (number == previous) continue;
        kept += line + "\r\n";
        previous = number;
    }
    if (!write_file_atomically(r4, kept)) {
        report.failed(cannot_write(r4));
        return false;
    }
    report.done("done, will now create random from r4 to r5");
    const auto shuffled = shuffle_file(r4, r5, random, report);
    if (!shuffled) return false;
    report.done(with_skipped(std::to_string(shuffled->lines) + " done", short_lines));
    return true;
}

bool shuffle_collection(const std::string& collection, const std::string& out, Random& random,
                        const BatchReport& report) {
    const auto shuffled = shuffle_file(collection, out, random, report);
    if (!shuffled) return false;
    report.done(with_skipped(out + " done", shuffled->short_lines));
    return true;
}

}  // namespace kalder
