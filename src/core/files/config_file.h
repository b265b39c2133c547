#pragma once

#include <ctime>
#include <functional>
#include <string>

namespace kalder {

// The three settings kept between runs in "kalder.cfg" beside the program.
struct Config {
    std::string SchemeName;
    std::string CollectionPath;
    int PuzzleNumber = 0;

    bool operator==(const Config&) const = default;
};

// True when a scheme of this name, written to the file, reads back as it is (a name that needs
// quotes around it must hold none itself, and no line end anywhere).
bool config_holds_scheme_name(const std::string& name);

// Shows a message through the program's message box; returns the button code.
using MessageFn = std::function<int(const std::string& text, const std::string& style)>;

// Reads the file at start-up (which has cleared away the temporary files of killed rewrites);
// when it cannot be read, says so once, falls back to the defaults and tries to write them as a
// new file (a read-only folder keeps them in memory only).
void ReadcfgFile(const std::string& program_folder, Config& config, const MessageFn& message,
                 const std::tm& now);
// Writes the four lines atomically; false, and the old file whole, when it could not.
bool write_config_file(const std::string& program_folder, const Config& config, const std::tm& now);
// The configured collection's path: a relative one, as the shipped configuration and the
// defaults name "puzzles.kdr", lies within the game's data folder, so it holds wherever the game
// was copied or installed.
std::string collection_in(const std::string& data_folder, const std::string& path);

// Writes the four lines; a failure is reported and leaves the old file whole.
void SavecfgFile(const std::string& program_folder, const Config& config, const MessageFn& message,
                 const std::tm& now);

}  // namespace kalder
