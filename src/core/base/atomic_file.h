#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace kalder {

// Replaces the file's whole content: writes a temporary file "<file>.new-<pid>" beside it and
// renames it over the old one only once complete and flushed. On failure the old file is left
// untouched. The temporary file is created anew, never through a link planted at its name.
bool write_file_atomically(const std::string& path, const std::string& content);

// Removes the temporary files a killed rewrite of `path` left behind: those of processes no
// longer running. Rewrites in progress in another running copy of the program are kept.
void remove_stale_temporary_files(const std::string& path);

// The system's write(), or a stand-in for it.
using WriteCall = ssize_t (*)(int fd, const void* data, std::size_t size);

// Writes all of data, going on after an interrupted or short write; false on any error or when
// a write makes no progress.
bool write_all(int fd, std::string_view data, WriteCall write_call);

}  // namespace kalder
