#pragma once

#include <optional>
#include <string>

namespace kalder {

// Lines end with LF (CR LF as written; the CR is dropped on reading). A last line without a
// line end still counts. A missing or unreadable file has no lines.
int CountLines(const std::string& path);

// True when the file exists and is not empty.
bool FileExists(const std::string& path);

// Line n (1-based) without its line end; nothing when the file has fewer lines or n < 1.
// Lines far longer than any puzzle are cut short, which no parser accepts as a puzzle.
std::optional<std::string> read_collection_line(const std::string& path, int n);

// Appends "NNNNN,S,body" CR LF, numbered one past the lines already there; creates the file.
// A last line left without its line end is ended first, so two puzzles never share a line.
bool AppendPuzzle(const std::string& path, int size, const std::string& body);

}  // namespace kalder
