#pragma once

#include <array>
#include <string>

namespace kalder {

constexpr int MinGridSize = 3;
constexpr int MaxGridSize = 9;
constexpr int MaxCells = MaxGridSize * MaxGridSize;

// The per-cell state of the current board; every look-up outside the board answers 0 or
// nothing instead of reading past it.
class Board {
  public:
    int GridSize = 0;
    int CellCount = 0;
    std::array<int, MaxCells + 1> CellValue{};
    std::array<std::string, MaxCells + 1> CellMark{};

    // Cells are numbered row by row from 1; a place or cell off the board answers 0.
    int CellAt(int row, int col) const {
        const bool inside = row >= 1 && col >= 1 && row <= GridSize && col <= GridSize;
        return inside ? (row - 1) * GridSize + col : 0;
    }
    int RowOf(int cell) const { return on_board(cell) ? (cell - 1) / GridSize + 1 : 0; }
    int ColOf(int cell) const { return on_board(cell) ? (cell - 1) % GridSize + 1 : 0; }
    bool on_board(int cell) const { return cell >= 1 && cell <= CellCount; }
    bool locked(int cell) const { return on_board(cell) && CellMark[cell] == "X"; }
    void set_locked(int cell, bool is_locked) {
        if (!on_board(cell)) return;
        if (is_locked) {
            CellMark[cell].assign(1, 'X');
        } else {
            CellMark[cell].clear();
        }
    }
};

}  // namespace kalder
