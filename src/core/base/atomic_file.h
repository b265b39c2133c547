#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <string_view>

namespace kalder {

// Replaces the file's whole content: writes a temporary file "<file>.new-<pid>" beside it and
// renames it over the old one only once complete and flushed. On failure the old file is left
// untouched. The temporary file is created anew, never through a link planted at its name.
bool write_file_atomically(const std::string& path, const std::string& content);

// True when write_file_atomically could replace or make the file now: its folder takes the
// temporary file and no folder stands at its name. Nothing is left changed.
bool can_replace(const std::string& path);

// Removes the temporary files a killed rewrite of `path` left behind: those of processes no
// longer running. Rewrites in progress in another running copy of the program are kept.
void remove_stale_temporary_files(const std::string& path);

// The same for every file of `folder` whose name `ours` accepts.
void remove_stale_temporary_files_in(const std::string& folder,
                                     const std::function<bool(std::string_view name)>& ours);

// The system's write(), or a stand-in for it.
using WriteCall = ssize_t (*)(int fd, const void* data, std::size_t size);

// Writes all of data, going on after an interrupted or short write; false on any error or when
// a write makes no progress.
bool write_all(int fd, std::string_view data, WriteCall write_call);

}  // namespace kalder
