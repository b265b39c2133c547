#include "core/rules/move_order.h"

namespace kalder {

std::optional<std::vector<Move>> order_moves(const Position& start, const GiverTable& giver_of) {
    const int cells = start.cell_count();
    std::array<int, MaxCells + 1> gives{};
    for (int t = 1; t <= cells; ++t) {
        if (start.locked(t)) {
            if (giver_of[t] != 0) return std::nullopt;
            continue;
        }
        if (!start.adjacent(giver_of[t], t)) return std::nullopt;
        ++gives[giver_of[t]];
    }
    // A cell gives only while it shows 2 or more: value - 1 times, and an open cell once more
    // after its own unit came. A cell that needs that last give has to wait for its unit; the
    // receiver of its late give is chosen so that no two cells end up waiting for each other:
    // a late give goes to a cell that does not wait, or to one whose own late give is settled.
    std::array<bool, MaxCells + 1> waits{};
    std::array<int, MaxCells + 1> late{};
    for (int k = 1; k <= cells; ++k) {
        const int open = start.locked(k) ? 0 : 1;
        if (gives[k] > start.value(k) - 1 + open) return std::nullopt;
        waits[k] = open == 1 && gives[k] > 0 && gives[k] == start.value(k);
    }
    for (bool settled_one = true; settled_one;) {
        settled_one = false;
        for (int c = 1; c <= cells; ++c) {
            if (!waits[c] || late[c] != 0) continue;
            for (const int t : start.neighbours(c)) {
                if (t == 0 || start.locked(t) || giver_of[t] != c) continue;
                if (!waits[t] || late[t] != 0) {
                    late[c] = t;
                    settled_one = true;
                    break;
                }
            }
        }
    }
    // A waiting cell left unsettled gives only to cells that wait for it in turn: no order
    // exists, and the replay below finds none. The unit into t comes after the giver's own
    // unit when it is the giver's late give.
    std::vector<Move> order;
    std::array<bool, MaxCells + 1> placed{};
    std::vector<int> chain;
    for (int t = 1; t <= cells; ++t) {
        for (int cell = t; !start.locked(cell) && !placed[cell];) {
            chain.push_back(cell);
            const int giver = giver_of[cell];
            if (late[giver] != cell) break;
            cell = giver;
        }
        for (; !chain.empty(); chain.pop_back()) {
            placed[chain.back()] = true;
            order.push_back({giver_of[chain.back()], chain.back()});
        }
    }
    Position check = start;
    for (const Move move : order) {
        if (!check.play(move)) return std::nullopt;
    }
    return order;
}

}  // namespace kalder
