#include "core/files/leftovers.h"

#include <algorithm>
#include <string_view>

#include "core/base/atomic_file.h"
#include "core/files/kept_place.h"

namespace kalder {

namespace {

constexpr std::string_view GameFiles[] = {"kalder.cfg", "all.col", KeptPlaceFile, "kalder.sco",
                                          "kaldertemp.tmp"};
// The extensions the Load and Save dialogs offer.
constexpr std::string_view CollectionEndings[] = {".kdr", ".txt", ".dat"};

bool is_game_file(std::string_view name) {
    return std::find(std::begin(GameFiles), std::end(GameFiles), name) != std::end(GameFiles) ||
           std::any_of(std::begin(CollectionEndings), std::end(CollectionEndings),
                       [name](std::string_view ending) { return name.ends_with(ending); });
}

}  // namespace

void clear_stale_temporary_files(const std::string& folder) {
    remove_stale_temporary_files_in(folder, is_game_file);
}

void LeftoverSweep::sweep_folder(const std::string& folder) {
    clear_stale_temporary_files(folder);
    swept_.push_back(folder);
}

void LeftoverSweep::clear_file(const std::string& path) {
    const std::string folder = path.substr(0, path.rfind('/') + 1);
    if (is_game_file(path.substr(folder.size())) &&
        std::find(swept_.begin(), swept_.end(), folder) != swept_.end())
        return;
    remove_stale_temporary_files(path);
}

}  // namespace kalder
