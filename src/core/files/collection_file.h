#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kalder {

// Collection files are read as lines ended by CR LF (as written), LF or a lone CR; the line end
// is never part of the line. A last line without a line end still counts. A missing or
// unreadable file has no lines.
//
// Lines are kept up to MaxKeptLineLength characters; the rest of a longer line is skipped. No
// puzzle line comes near that length, so only junk is ever cut, and the parser still refuses
// whatever it cannot show.
constexpr std::size_t MaxKeptLineLength = 64 * 1024;

// The most lines a collection may hold: the number field has five digits.
constexpr int MaxCollectionLines = 99'999;

int CountLines(const std::string& path);

// True when the file exists and is not empty.
bool FileExists(const std::string& path);

// Line n (1-based); nothing when the file has fewer lines, n < 1 or the file cannot be read.
std::optional<std::string> read_collection_line(const std::string& path, int n);

struct CollectionLine {
    std::string text;
    int line_count = 0;  // of the whole file
};

// Line n as above with the file's CountLines, both from one sweep through the file.
std::optional<CollectionLine> read_collection_line_and_count(const std::string& path, int n);

// Calls on_line(number, line) for every line in order, until it returns false. False when the
// file cannot be read.
bool for_each_collection_line(const std::string& path,
                              const std::function<bool(int, std::string_view)>& on_line);

// Appends "NNNNN,S,body" CR LF, numbered one past the lines already there, creating the file
// when needed. A last line left without its line end is ended first, so two puzzles never
// share a line. False when the file cannot be written or already holds MaxCollectionLines.
bool AppendPuzzle(const std::string& path, int size, const std::string& body);

}  // namespace kalder
