#pragma once

#include <string>
#include <vector>

namespace kalder {

// Clears from the folder what killed rewrites of the game's own files left behind: the
// temporary files of the configuration, scheme store, kept place, score file and of
// collections, those of processes no longer running. Other files, and the rewrites of a copy
// of the game still running, are left alone.
void clear_stale_temporary_files(const std::string& folder);

// Start-up's clearing with one scan a folder: a game file in a folder already swept needs no
// scan of its own.
class LeftoverSweep {
  public:
    void sweep_folder(const std::string& folder);
    // The one file's leftovers, unless a sweep of its folder has cleared them.
    void clear_file(const std::string& path);

  private:
    std::vector<std::string> swept_;
};

}  // namespace kalder
