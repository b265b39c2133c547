#pragma once

#include <optional>
#include <string>

namespace kalder {

// The file's whole content as it is on disk, byte for byte; nullopt when it cannot be opened
// or a read fails part way, so a half-read file is never taken for the whole.
std::optional<std::string> read_whole_file(const std::string& path);

}  // namespace kalder
