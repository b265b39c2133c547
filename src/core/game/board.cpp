#include "core/game/board.h"

namespace kalder {

void Board::BuildCellMaps() {
    cell_at_ = {};
    row_of_ = {};
    col_of_ = {};
    if (GridSize < 0 || GridSize > MaxGridSize) return;
    int k = 0;
    for (int row = 1; row <= GridSize; ++row) {
        for (int col = 1; col <= GridSize; ++col) {
            ++k;
            cell_at_[row][col] = k;
            row_of_[k] = row;
            col_of_[k] = col;
        }
    }
}

int Board::CellAt(int row, int col) const {
    if (row < 0 || col < 0 || row > MaxGridSize + 1 || col > MaxGridSize + 1) return 0;
    return cell_at_[row][col];
}

}  // namespace kalder
