#pragma once

#include <string>

namespace kalder {

// Clears from the folder what killed rewrites of the game's own files left behind: the
// temporary files of the configuration, scheme store, kept place, score file and of
// collections, those of processes no longer running. Other files, and the rewrites of a copy
// of the game still running, are left alone.
void clear_stale_temporary_files(const std::string& folder);

}  // namespace kalder
