#include "core/rules/exact_solver.h"

#include <array>
#include <cstdint>

#include "core/rules/move_order.h"

namespace kalder {

namespace {

// Every open cell receives once, so cell k still has to give value + (1 if open) - row units,
// each to a different open neighbour. Which neighbour gives to which cell is a matching of the
// open cells (one unit each) to the givers (as many as each owes), found by augmenting paths.
// Order then matters in one case only: a top-row open cell showing 1 gives its one unit after
// receiving, so two such neighbours giving to each other wait for each other for ever. Such a
// swap is broken by forbidding one of its two moves, then the other, and matching again.
class Solver {
  public:
    Solver(const Position& position, long budget) : position_(position), budget_(budget) {}

    SolveResult run() {
        if (!owe_and_match()) return {out_of_budget_ ? Verdict::unknown : Verdict::none, {}};
        const Verdict verdict = search();
        if (verdict != Verdict::solution) return {verdict, {}};
        const auto order = order_moves(position_, giver_of_);
        // Checked once more, so that no fault in the reasoning above can answer wrongly.
        if (!order) return {Verdict::unknown, {}};
        Position end = position_;
        for (const Move move : *order) end.give(move);
        if (!end.solved()) return {Verdict::unknown, {}};
        return {Verdict::solution, *order};
    }

  private:
    struct Matching {
        GiverTable giver_of{};
        std::array<int, MaxCells + 1> load{};
    };

    bool owe_and_match() {
        const int cells = position_.cell_count();
        int open = 0;
        int owed = 0;
        for (int k = 1; k <= cells; ++k) {
            const int is_open = position_.locked(k) ? 0 : 1;
            owe_[k] = position_.value(k) + is_open - position_.row_of(k);
            if (owe_[k] < 0) return false;
            open += is_open;
            owed += owe_[k];
        }
        if (owed != open || position_.size() < MinGridSize) return false;
        for (int k = 1; k <= cells; ++k) {
            int open_neighbours = 0;
            for (const int other : position_.neighbours(k)) {
                if (other == 0) continue;
                if (!position_.locked(other)) ++open_neighbours;
                if (!position_.locked(k) && owe_[other] > 0) {
                    givers_[k][giver_count_[k]++] = static_cast<std::int8_t>(other);
                }
            }
            if (owe_[k] > open_neighbours) return false;
        }
        for (int t = 1; t <= cells; ++t) {
            if (!position_.locked(t) && !augment_from(t)) return false;
        }
        return true;
    }

    bool waits(int cell) const {
        return position_.row_of(cell) == 1 && !position_.locked(cell) && position_.value(cell) == 1;
    }

    bool augment_from(int receiver) {
        ++stamp_;
        return augment(receiver);
    }

    // Kuhn's augmenting path with givers of several slots: a full giver passes one of its
    // receivers on to another giver.
    bool augment(int receiver) {
        for (int i = 0; i < giver_count_[receiver]; ++i) {
            if (banned_[receiver] & (1u << i)) continue;
            const int giver = givers_[receiver][i];
            if (seen_[giver] == stamp_) continue;
            seen_[giver] = stamp_;
            if (--budget_ < 0) {
                out_of_budget_ = true;
                return false;
            }
            bool placed = matching_.load[giver] < owe_[giver];
            if (placed) {
                ++matching_.load[giver];
            } else {
                for (const int other : position_.neighbours(giver)) {
                    if (other != 0 && matching_.giver_of[other] == giver && augment(other)) {
                        placed = true;
                        break;
                    }
                }
            }
            if (out_of_budget_) return false;
            if (placed) {
                matching_.giver_of[receiver] = giver;
                return true;
            }
        }
        return false;
    }

    Verdict search() {
        for (int t = 1; t <= position_.cell_count(); ++t) {
            const int g = matching_.giver_of[t];
            if (!waits(t) || !waits(g) || matching_.giver_of[g] != t) continue;
            const Matching before = matching_;
            for (const Move forbidden : {Move{g, t}, Move{t, g}}) {
                if (try_without(forbidden) == Verdict::solution) return Verdict::solution;
                matching_ = before;
                if (out_of_budget_) return Verdict::unknown;
            }
            return Verdict::none;
        }
        giver_of_ = matching_.giver_of;
        return Verdict::solution;
    }

    Verdict try_without(Move forbidden) {
        const int r = forbidden.receiver;
        int index = 0;
        while (givers_[r][index] != forbidden.giver) ++index;
        banned_[r] |= static_cast<std::uint8_t>(1u << index);
        --matching_.load[forbidden.giver];
        matching_.giver_of[r] = 0;
        const Verdict verdict = augment_from(r) ? search() : Verdict::none;
        banned_[r] &= static_cast<std::uint8_t>(~(1u << index));
        return verdict;
    }

    const Position& position_;
    long budget_;
    bool out_of_budget_ = false;
    std::array<int, MaxCells + 1> owe_{};
    std::array<std::array<std::int8_t, 4>, MaxCells + 1> givers_{};
    std::array<int, MaxCells + 1> giver_count_{};
    std::array<std::uint8_t, MaxCells + 1> banned_{};
    std::array<unsigned, MaxCells + 1> seen_{};
    unsigned stamp_ = 0;
    Matching matching_;
    GiverTable giver_of_{};
};

}  // namespace

SolveResult solve(const Position& position, long budget) {
    return Solver(position, budget).run();
}

}  // namespace kalder
