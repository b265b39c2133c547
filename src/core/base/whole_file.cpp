#include "core/base/whole_file.h"

#include <fstream>
#include <sstream>

namespace kalder {

std::optional<std::string> read_whole_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return text.str();
}

}  // namespace kalder
