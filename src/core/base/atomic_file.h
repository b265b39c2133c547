#pragma once

#include <string>

namespace kalder {

// Replaces the file's whole content: writes a temporary file beside it and renames it over
// the old one only once complete and flushed. On failure the old file is left untouched.
bool write_file_atomically(const std::string& path, const std::string& content);

}  // namespace kalder
