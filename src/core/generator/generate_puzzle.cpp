#include "core/generator/generate_puzzle.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "core/game/board.h"

namespace kalder {

namespace {

constexpr int QueueKeys = 500;
constexpr int CandidateKeys = 997;
constexpr int MaxFailedTries = 10;
constexpr int LargestKey = 999;

int draw_key(Random& random, int keys) {
    return static_cast<int>(random.fraction() * keys + 1);
}

// One attempt's working state. The giver queue keeps the texts key "000" & cell, sorted as
// text; the head (the entry sorting first) is the next cell to give.
class Scramble {
  public:
    Scramble(int size, Random& random) : n_(size), random_(random) {}

    // Runs attempts until one succeeds.
    std::string run() {
        while (!attempt()) {
        }
        return body();
    }

  private:
    bool attempt() {
        for (int k = 1; k <= n_ * n_; ++k) value_[k] = (k - 1) / n_ + 1;
        gave_to_.fill(0);
        queue_.clear();
        for (int k = 1; k <= n_ * n_; ++k) insert(entry(draw_key(random_, QueueKeys), k));
        int failures = 0;
        while (!queue_.empty()) {
            if (++failures > MaxFailedTries) return false;
            const int q = static_cast<int>(queue_.size());
            const int c = cell_of(queue_.front());
            if (value_[c] - 1 == 0) {
                RequeueGiver();
                continue;
            }
            const int p = PickPartner(c);
            if (value_[p] + 1 > 9) {
                RequeueGiver();
                continue;
            }
            if (gave_to_[p] == c) {
                // The last giver can only give back to a cell that gave to it: a dead end.
                if (q == 1) return false;
                RequeueGiver();
                continue;
            }
            gave_to_[c] = p;
            ++value_[p];
            --value_[c];
            failures = 0;
            queue_.erase(queue_.begin());
        }
        return true;
    }

    // A neighbour holding 1 is taken first (left, right, up, down); otherwise the neighbours in
    // random order, the first below 9, or the last one when all hold 9.
    int PickPartner(int c) const {
        const int row = (c - 1) / n_ + 1;
        const int col = (c - 1) % n_ + 1;
        const bool has[] = {col >= 2, col < n_, row >= 2, row < n_};
        const int neighbour[] = {c - 1, c + 1, c - n_, c + n_};
        for (int d = 0; d < 4; ++d) {
            if (has[d] && value_[neighbour[d]] == 1) return neighbour[d];
        }
        // Candidates sort by key, then row, then column, as their texts would.
        std::array<std::array<int, 3>, 4> candidates{};
        int count = 0;
        for (int d = 0; d < 4; ++d) {
            const int key = draw_key(random_, CandidateKeys);
            if (has[d]) {
                const int cell = neighbour[d];
                candidates[count++] = {key, (cell - 1) / n_ + 1, (cell - 1) % n_ + 1};
            }
        }
        // Insertion sort: at most four entries.
        for (int i = 1; i < count; ++i) {
            for (int j = i; j > 0 && candidates[j] < candidates[j - 1]; --j) {
                std::swap(candidates[j], candidates[j - 1]);
            }
        }
        int partner = 0;
        for (int i = 0; i < count; ++i) {
            partner = (candidates[i][1] - 1) * n_ + candidates[i][2];
            if (value_[partner] < 9) return partner;
        }
        return partner;
    }

    // The head goes behind every other entry: one key past the last entry's.
    void RequeueGiver() {
        int key = key_of(queue_.back()) + 1;
        if (key > LargestKey) {
            // A fourth key digit would sort the entry to the front again; renumbering the keys
            // in their present order keeps the queue's order and leaves room behind it.
            for (std::size_t i = 0; i < queue_.size(); ++i) {
                queue_[i] = entry(static_cast<int>(i) + 1, cell_of(queue_[i]));
            }
            key = static_cast<int>(queue_.size()) + 1;
        }
        const std::string moved = entry(key, cell_of(queue_.front()));
        queue_.erase(queue_.begin());
        insert(moved);
    }

    static std::string entry(int key, int cell) {
        char text[16];
        std::snprintf(text, sizeof text, "%03d%d", key, cell);
        return text;
    }
    static int key_of(const std::string& entry) { return std::stoi(entry.substr(0, 3)); }
    static int cell_of(const std::string& entry) { return std::stoi(entry.substr(3)); }

    void insert(const std::string& text) {
        queue_.insert(std::upper_bound(queue_.begin(), queue_.end(), text), text);
    }

    std::string body() const {
        std::string result;
        result.reserve(3 * n_ * n_ + 1);
        for (int k = 1; k <= n_ * n_; ++k) result += static_cast<char>('0' + value_[k]);
        result += ',';
        for (int k = 1; k <= n_ * n_; ++k) {
            result += static_cast<char>('0' + gave_to_[k] / 10);
            result += static_cast<char>('0' + gave_to_[k] % 10);
        }
        return result;
    }

    const int n_;
    Random& random_;
    std::array<int, MaxCells + 1> value_{};
    std::array<int, MaxCells + 1> gave_to_{};  // receiver of each cell's one unit, 0 for none
    std::vector<std::string> queue_;
};

}  // namespace

std::string GeneratePuzzle(int size, Random& random) {
    if (size < MinGridSize || size > MaxGridSize) {
        throw std::invalid_argument("grid size must be 3 to 9");
    }
    return Scramble(size, random).run();
}

}  // namespace kalder
