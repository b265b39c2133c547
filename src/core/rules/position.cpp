#include "core/rules/position.h"

namespace kalder {

Position::Position(int size) : size_(size >= 0 && size <= MaxGridSize ? size : 0) {}

void Position::set_cell(int cell, int value, bool is_locked) {
    if (!on_board(cell)) return;
    value_[cell] = value;
    locked_[cell] = is_locked;
}

std::array<int, 4> Position::neighbours(int cell) const {
    std::array<int, 4> result{cell - 1, cell + 1, cell - size_, cell + size_};
    for (int& other : result) {
        if (!adjacent(cell, other)) other = 0;
    }
    return result;
}

bool Position::is_legal(Move move) const {
    return can_give(move.giver) && !locked(move.receiver) && adjacent(move.giver, move.receiver);
}

UndoRecord Position::record_of(Move move) const {
    return {move.giver, value(move.giver), locked(move.giver), move.receiver, value(move.receiver)};
}

void Position::give(Move move) {
    if (!on_board(move.giver) || !on_board(move.receiver)) return;
    --value_[move.giver];
    ++value_[move.receiver];
    locked_[move.receiver] = true;
}

bool Position::play(Move move) {
    if (!is_legal(move)) return false;
    give(move);
    return true;
}

void Position::take_back(const UndoRecord& record) {
    set_cell(record.source, record.source_value, record.source_locked);
    set_cell(record.target, record.target_value, false);
}

bool Position::solved() const {
    if (size_ < MinGridSize) return false;
    for (int k = 1; k <= cell_count(); ++k) {
        if (!locked_[k] || value_[k] != row_of(k)) return false;
    }
    return true;
}

}  // namespace kalder
