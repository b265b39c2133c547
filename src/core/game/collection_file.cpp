#include "core/game/collection_file.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "core/game/puzzle_line.h"

namespace kalder {

namespace {

// Longest line kept in full; a puzzle line has at most 252 characters.
constexpr std::size_t MaxKeptLineLength = 64 * 1024;
constexpr std::size_t BlockSize = 1 << 20;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File open(const std::string& path, const char* mode) {
    return File(std::fopen(path.c_str(), mode));
}

// Calls on_block for every block of the file until it returns false.
template <typename OnBlock>
bool for_each_block(const std::string& path, OnBlock on_block) {
    const File file = open(path, "rb");
    if (!file) return false;
    auto block = std::make_unique<char[]>(BlockSize);
    for (;;) {
        const std::size_t read = std::fread(block.get(), 1, BlockSize, file.get());
        if (read == 0) return !std::ferror(file.get());
        if (!on_block(block.get(), read)) return true;
    }
}

char last_byte(const std::string& path) {
    const File file = open(path, "rb");
    if (!file || std::fseek(file.get(), -1, SEEK_END) != 0) return '\n';
    const int byte = std::fgetc(file.get());
    return byte == EOF ? '\n' : static_cast<char>(byte);
}

}  // namespace

int CountLines(const std::string& path) {
    long long lines = 0;
    char last = '\n';
    const bool ok = for_each_block(path, [&](const char* data, std::size_t size) {
        lines += std::count(data, data + size, '\n');
        last = data[size - 1];
        return true;
    });
    if (!ok) return 0;
    if (last != '\n') ++lines;
    return static_cast<int>(std::min<long long>(lines, 1'000'000'000));
}

bool FileExists(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return !error && size != 0;
}

std::optional<std::string> read_collection_line(const std::string& path, int n) {
    if (n < 1) return std::nullopt;
    int line = 1;
    bool found = false;  // inside line n
    bool ended = false;
    std::string text;
    for_each_block(path, [&](const char* data, std::size_t size) {
        const char* at = data;
        const char* const end = data + size;
        while (line < n && at < end) {
            const void* newline = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
            if (newline == nullptr) return true;
            at = static_cast<const char*>(newline) + 1;
            ++line;
        }
        if (at == end) return true;
        found = true;
        const void* newline = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
        const char* stop = newline ? static_cast<const char*>(newline) : end;
        const std::size_t room = MaxKeptLineLength - std::min(text.size(), MaxKeptLineLength);
        text.append(at, std::min(room, static_cast<std::size_t>(stop - at)));
        ended = newline != nullptr;
        return !ended;
    });
    if (!found) return std::nullopt;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    return text;
}

bool AppendPuzzle(const std::string& path, int size, const std::string& body) {
    const int count = CountLines(path);
    std::string text;
    if (FileExists(path) && last_byte(path) != '\n') text = "\r\n";
    text += format_puzzle_line(count + 1, size, body) + "\r\n";
    const File file = open(path, "ab");
    if (!file) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
    return written && std::fflush(file.get()) == 0;
}

}  // namespace kalder
