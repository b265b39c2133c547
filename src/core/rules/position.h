#pragma once

#include <array>

#include "core/rules/adjacency.h"
#include "core/rules/board.h"
#include "core/rules/undo_record.h"

namespace kalder {

// One unit passed from the giver to the receiver.
struct Move {
    int giver = 0;
    int receiver = 0;
    bool operator==(const Move&) const = default;
};

// The state of play and the one rule of play, free of any window: play by mouse and keys, undo
// and redo, the replay of a stored solution, the collection checker and the solver all move
// through this type. Values are whole numbers (a 9 that received shows 10); cells off the board
// read as 0 and locked, and nothing is ever written there.
class Position {
  public:
    Position() = default;
    // An open board of size x size cells holding 0 (size 0 .. 9).
    explicit Position(int size);

    int size() const { return size_; }
    int cell_count() const { return size_ * size_; }
    bool on_board(int cell) const { return cell >= 1 && cell <= cell_count(); }
    int row_of(int cell) const { return on_board(cell) ? (cell - 1) / size_ + 1 : 0; }
    int value(int cell) const { return on_board(cell) ? value_[cell] : 0; }
    bool locked(int cell) const { return !on_board(cell) || locked_[cell]; }
    void set_cell(int cell, int value, bool is_locked);
    bool adjacent(int a, int b) const { return are_adjacent(a, b, size_); }
    // The cells sharing an edge with `cell`; 0 where the board ends.
    std::array<int, 4> neighbours(int cell) const;

    // A cell gives while it shows 2 or more, to a neighbour that has not yet received.
    bool can_give(int cell) const { return value(cell) > 1; }
    bool is_legal(Move move) const;
    // What undoing the move must put back.
    UndoRecord record_of(Move move) const;
    // Passes the unit whatever the rule says (the stored solution's replay runs in cell order,
    // so a value may pass through 0 there); only cells on the board are touched.
    void give(Move move);
    // Gives when the move is legal; false, and nothing changed, when it is not.
    bool play(Move move);
    void take_back(const UndoRecord& record);

    // Every cell has received, and every cell of row r shows r.
    bool solved() const;

    bool operator==(const Position&) const = default;

  private:
    int size_ = 0;
    std::array<int, MaxCells + 1> value_{};
    std::array<bool, MaxCells + 1> locked_{};
};

}  // namespace kalder
