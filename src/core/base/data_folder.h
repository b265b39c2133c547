#pragma once

#include <string>

#include "core/base/platform.h"

namespace kalder {

// The folder with one '/' at its end, never two: "/" stays "/".
std::string with_trailing_slash(std::string folder);

// The folder holding the shipped files (collection, scheme store, help page): the program's
// own folder, or, for a program installed as games/kalder or bin/kalder, its share/games/kalder
// or share/kalder folder.
std::string shipped_folder(const std::string& program_folder);

// The folder for the files the game writes beside itself (configuration, temporary
// collection, scheme store, kept place). A build tree that can be written keeps them beside the
// program as ever; an installed game (or a read-only build tree) sends them to the user's data
// folder, made on first use and given copies of the shipped files, so play goes on the same.
std::string choose_data_folder(const Platform& platform);

}  // namespace kalder
