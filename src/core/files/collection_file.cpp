#include "core/files/collection_file.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <utility>

#include "core/base/atomic_file.h"
#include "core/base/read_only_file.h"
#include "core/files/puzzle_line.h"

namespace kalder {

namespace {

// Big blocks: a full collection of 9 x 9 puzzles is about 25 MB and is read in one sweep. A
// smaller file gets a block just over its size, so reading one line of a short collection does
// not first take a whole megabyte.
constexpr std::size_t BlockSize = 1 << 20;
constexpr std::size_t SmallestBlock = 256;

const char* find(const char* from, const char* end, char wanted) {
    const void* found = std::memchr(from, wanted, static_cast<std::size_t>(end - from));
    return found != nullptr ? static_cast<const char*>(found) : end;
}

// Hands the file to on_piece(piece, ends) as pieces of lines, line ends left out; ends says
// that the line ends after the piece. A line that spans blocks comes in several pieces. Stops
// when on_piece returns false. False when the file cannot be read.
template <typename OnPiece>
bool scan_lines(const std::string& path, OnPiece on_piece) {
    ReadOnlyFile file(path);
    if (!file.is_open()) return false;
    const std::size_t size = std::clamp(file.size() + 1, SmallestBlock, BlockSize);
    const auto block = std::make_unique<char[]>(size);
    bool block_ended_in_cr = false;
    for (;;) {
        const ssize_t read = file.read(block.get(), size);
        if (read <= 0) return read == 0;
        const char* at = block.get();
        const char* const end = at + read;
        // The CR that ended the last block and this LF are one line end.
        if (block_ended_in_cr && *at == '\n') ++at;
        block_ended_in_cr = false;
        // Both searches run ahead and are repeated only once passed, so each byte is looked at
        // about twice however the lines end.
        const char* next_lf = find(at, end, '\n');
        const char* next_cr = find(at, end, '\r');
        while (at < end) {
            if (next_lf < at) next_lf = find(at, end, '\n');
            if (next_cr < at) next_cr = find(at, end, '\r');
            const char* const stop = std::min(next_lf, next_cr);
            const bool ends = stop != end;
            if (!on_piece(std::string_view(at, static_cast<std::size_t>(stop - at)), ends)) {
                return true;
            }
            if (!ends) break;
            at = stop + 1;
            if (*stop == '\r') {
                if (at == end) {
                    block_ended_in_cr = true;
                } else if (*at == '\n') {
                    ++at;
                }
            }
        }
    }
}

void keep(std::string& line, std::string_view piece) {
    const std::size_t room = MaxKeptLineLength - std::min(line.size(), MaxKeptLineLength);
    line.append(piece.substr(0, room));
}

// True when the file has content whose last line has no line end.
bool lacks_final_line_end(const std::string& path) {
    ReadOnlyFile file(path);
    const std::size_t size = file.is_open() ? file.size() : 0;
    if (size == 0) return false;
    const int last = file.byte_at(size - 1);
    return last >= 0 && last != '\n' && last != '\r';
}

// Line n, if there is one. With `count` the sweep goes on to the end of the file to count its
// lines there; without, it stops after line n.
std::optional<std::string> read_line(const std::string& path, int n, int* count) {
    long long lines = 0;
    bool open_line = false;
    std::optional<std::string> text;
    const bool read = scan_lines(path, [&](std::string_view piece, bool ends) {
        const bool wanted = lines + 1 == n;
        if (wanted) {
            if (!text) text.emplace();
            keep(*text, piece);
        }
        lines += ends ? 1 : 0;
        open_line = !ends;
        return count != nullptr || !(wanted && ends);
    });
    if (!read) return std::nullopt;
    if (count != nullptr) {
        *count = static_cast<int>(std::min<long long>(lines + (open_line ? 1 : 0), 1'000'000'000));
    }
    return text;
}

}  // namespace

int CountLines(const std::string& path) {
    int count = 0;
    read_line(path, 0, &count);
    return count;
}

bool FileExists(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return !error && size != 0;
}

std::optional<std::string> read_collection_line(const std::string& path, int n) {
    return read_line(path, n, nullptr);
}

std::optional<CollectionLine> read_collection_line_and_count(const std::string& path, int n) {
    int count = 0;
    auto text = read_line(path, n, &count);
    if (!text) return std::nullopt;
    return CollectionLine{std::move(*text), count};
}

bool for_each_collection_line(const std::string& path,
                              const std::function<bool(int, std::string_view)>& on_line) {
    int number = 0;
    std::string text;
    bool open_line = false;
    bool wanted = true;
    const bool read = scan_lines(path, [&](std::string_view piece, bool ends) {
        keep(text, piece);
        open_line = !ends;
        if (!ends) return true;
        wanted = on_line(++number, text);
        text.clear();
        return wanted;
    });
    if (read && wanted && open_line) on_line(++number, text);
    return read;
}

bool AppendPuzzle(const std::string& path, int size, const std::string& body) {
    const int count = CountLines(path);
    // A sixth digit would shift every field of the line past what the reader skips.
    if (count >= MaxCollectionLines) return false;
    std::string text = lacks_final_line_end(path) ? "\r\n" : "";
    text += format_puzzle_line(count + 1, size, body) + "\r\n";
    return append_whole(path, text);
}

}  // namespace kalder
