#include "core/base/whole_file.h"

#include "core/base/read_only_file.h"

namespace kalder {

std::optional<std::string> read_whole_file(const std::string& path) {
    ReadOnlyFile file(path);
    if (!file.is_open()) return std::nullopt;
    // Room for the whole file as it stands and a byte more, so finding its end needs no growing.
    std::string text(file.size() + 1, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == text.size()) text.resize(text.size() * 2);
        const ssize_t n = file.read(text.data() + filled, text.size() - filled);
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        filled += static_cast<std::size_t>(n);
    }
    text.resize(filled);
    return text;
}

}  // namespace kalder
