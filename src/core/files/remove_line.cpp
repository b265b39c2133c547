#include "core/files/remove_line.h"

#include "core/base/atomic_file.h"
#include "core/base/whole_file.h"

namespace kalder {

namespace {

// Where the line after the one starting at `from` starts. Line ends are taken as the reader
// takes them: CR LF, LF or a lone CR.
std::size_t next_line_start(const std::string& text, std::size_t from) {
    const std::size_t end = text.find_first_of("\r\n", from);
    if (end == std::string::npos) return text.size();
    const bool cr_lf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    return end + (cr_lf ? 2 : 1);
}

}  // namespace

bool remove_collection_line(const std::string& path, int n) {
    auto content = read_whole_file(path);
    if (!content || n < 1) return false;
    std::size_t start = 0;
    for (int line = 1; line < n && start < content->size(); ++line) {
        start = next_line_start(*content, start);
    }
    if (start >= content->size()) return false;
    content->erase(start, next_line_start(*content, start) - start);
    // What a killed earlier delete left beside the collection goes first.
    remove_stale_temporary_files(path);
    return write_file_atomically(path, *content);
}

}  // namespace kalder
