#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <string_view>

namespace kalder {

// The points of a write after which a kill leaves something different behind: the temporary
// file made (or the file to append to opened), half written, written and flushed but not yet in
// place (for an append: written), in place but its folder not yet flushed.
enum class WritePoint { Opened, HalfWritten, Written, Renamed };

#ifdef KALDER_WRITE_POINTS
// In the tests' build only, called at each point a write passes, so that a test can kill the
// writer exactly there. The game's build has no such call.
inline void (*at_write_point)(WritePoint point) = nullptr;
#endif

// Replaces the file's whole content: writes a temporary file "<file>.new-<pid>" beside it and
// renames it over the old one only once complete and flushed, then flushes the folder. On
// failure the old file is left untouched. The temporary file is created anew, never through a
// link planted at its name.
bool write_file_atomically(const std::string& path, const std::string& content);

// Puts text at the end of the file, made when missing, in one write, so that a kill cannot cut
// it; a short write (a full disk) is taken back, so the file never keeps part of it.
bool append_whole(const std::string& path, std::string_view text);

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
