#include "core/base/data_folder.h"

#include <filesystem>
#include <optional>

#include "core/base/atomic_file.h"
#include "core/base/whole_file.h"

namespace kalder {

namespace {

namespace fs = std::filesystem;

// The shipped files the player may change: copied once, never over the player's own copy.
constexpr const char* PlayerFiles[] = {"all.col", "puzzles.kdr", "kalder.cfg"};
// Shipped files the game only reads: kept the same as the installed ones.
constexpr const char* ReferenceFiles[] = {"kalder.htm"};

void copy_file(const std::string& from, const std::string& to, bool refresh) {
    std::error_code error;
    if (!refresh && (fs::exists(to, error) || error)) return;
    const auto content = read_whole_file(from);
    if (!content || (refresh && read_whole_file(to) == content)) return;
    write_file_atomically(to, *content);
}

}  // namespace

std::string with_trailing_slash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string shipped_folder(const std::string& program_folder) {
    const std::string program = with_trailing_slash(program_folder);
    std::error_code error;
    if (fs::exists(program + "puzzles.kdr", error)) return program;
    // Installed as a game (games/ beside share/games/) or as a plain program (bin/).
    for (const char* installed : {"../share/games/kalder/", "../share/kalder/"}) {
        if (fs::is_directory(program + installed, error)) return program + installed;
    }
    return program;
}

std::string choose_data_folder(const Platform& platform) {
    const std::string program = with_trailing_slash(platform.program_folder());
    const std::string shipped = shipped_folder(program);
    // Only a game run from its build tree keeps the player's files beside itself; an installed
    // one never writes into its install folder, whoever runs it.
    if (shipped == program && platform.folder_writable(shipped)) return shipped;
    const std::string data = with_trailing_slash(platform.user_data_folder());
    std::error_code error;
    fs::create_directories(data, error);
    // With nowhere to write at all, the game plays from its own folder and says which file it
    // could not write, as it always has.
    if (error || !platform.folder_writable(data)) return shipped;
    for (const char* name : PlayerFiles) copy_file(shipped + name, data + name, false);
    for (const char* name : ReferenceFiles) copy_file(shipped + name, data + name, true);
    return data;
}

}  // namespace kalder
