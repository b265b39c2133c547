#pragma once

#include <array>
#include <string>

namespace kalder {

constexpr int MinGridSize = 3;
constexpr int MaxGridSize = 9;
constexpr int MaxCells = MaxGridSize * MaxGridSize;

// The cell-number maps and per-cell state of the current board. Cells are numbered 1 .. N*N
// row by row; every look-up outside the board answers 0 or nothing instead of reading past it.
class Board {
  public:
    int GridSize = 0;
    int CellCount = 0;
    std::array<int, MaxCells + 1> CellValue{};
    std::array<std::string, MaxCells + 1> CellMark{};

    // Fills CellAt, RowOf and ColOf for GridSize.
    void BuildCellMaps();

    int CellAt(int row, int col) const;
    int RowOf(int cell) const { return on_board(cell) ? row_of_[cell] : 0; }
    int ColOf(int cell) const { return on_board(cell) ? col_of_[cell] : 0; }
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

  private:
    // Row and column 0 .. MaxGridSize + 1 so neighbour look-ups may step off the board.
    std::array<std::array<int, MaxGridSize + 2>, MaxGridSize + 2> cell_at_{};
    std::array<int, MaxCells + 1> row_of_{};
    std::array<int, MaxCells + 1> col_of_{};
};

}  // namespace kalder
