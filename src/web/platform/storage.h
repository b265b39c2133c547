#pragma once

#include <string>

// The player's files in the browser's storage (IndexedDB), under one folder of the module's
// file system; the shipped files read-only beside it.
namespace kalder::web::storage {

inline constexpr const char* ProgramFolder = "/kalder/program/";
inline constexpr const char* UserFolder = "/home/kalder/";

// Mounts the player's folder and reads it back from the browser's storage; the shipped files
// become read-only.
void open();
// Writes the player's folder to the browser's storage, after whatever ran last; returns at once.
void keep();
// Why the browser refused to keep the files, once; "" while all is well or once told.
std::string refusal();

}  // namespace kalder::web::storage
