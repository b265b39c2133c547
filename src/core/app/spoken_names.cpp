#include "core/app/spoken_names.h"

#include "core/app/form1.h"

namespace kalder {

std::string spoken_cell_name(const CellSpeech& cell) {
    std::string name =
        cell.value + ", row " + std::to_string(cell.row) + " column " + std::to_string(cell.column);
    if (cell.locked) name += ", locked";
    if (cell.giver) name += ", giver";
    return name;
}

std::string spoken_grid_size(const std::string& caption) {
    return "Grid size " + caption;
}

std::string Form1::cell_name(int cell) const {
    if (!board.on_board(cell)) return {};
    return spoken_cell_name({CellD[cell].Caption, board.RowOf(cell), board.ColOf(cell),
                             board.locked(cell), cell == SourceCell});
}

}  // namespace kalder
