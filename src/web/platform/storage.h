#pragma once

#include <string>

// The player's files in the browser's storage (IndexedDB), under one folder of the module's
// file system, read back before the game starts; the shipped files read-only beside it.
namespace kalder::web::storage {

inline constexpr const char* ProgramFolder = "/kalder/program/";

// Where the player's files are, with a trailing slash.
std::string user_folder();
// The shipped files become read-only.
void protect_program_folder();
// Writes the player's folder to the browser's storage, after whatever ran last; returns at once.
void keep();
// Why the browser refused to keep the files, once; "" while all is well or once told.
std::string refusal();

}  // namespace kalder::web::storage
