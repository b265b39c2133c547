#pragma once

#include <string>

namespace kalder {

// What a screen reader says for one cell of the board.
struct CellSpeech {
    std::string value;  // the caption, as shown
    int row = 0;
    int column = 0;
    bool locked = false;
    bool giver = false;
};

// "<value>, row <r> column <c>", then ", locked" once it has received and ", giver" while it
// is the selected giver.
std::string spoken_cell_name(const CellSpeech& cell);

// The grid-size box's name: its caption alone would read as a bare number.
std::string spoken_grid_size(const std::string& caption);

}  // namespace kalder
