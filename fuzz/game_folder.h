#pragma once

#include "temp_folder.h"
#include "xp_scheme_block.h"

// A folder in memory for a game, holding the scheme its configuration names, so a start is as
// quiet as a player's: the message box has its own harness.
class GameFolder : public kalder::testing::TempFolder {
  public:
    GameFolder() : TempFolder(kalder::testing::memory_folder()) {
        write("all.col", kalder::testing::XpSchemeBlock);
    }
};
