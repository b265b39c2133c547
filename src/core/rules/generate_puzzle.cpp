#include "core/rules/generate_puzzle.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

#include "core/rules/board.h"

namespace kalder {

namespace {

constexpr int QueueKeys = 500;
constexpr int CandidateKeys = 997;
constexpr int MaxFailedTries = 10;
constexpr int MaxValue = 9;

int draw_key(Random& random, int keys) {
    return static_cast<int>(random.fraction() * keys + 1);
}

// Each cell number's place among all cell numbers ordered as text ("1" < "10" < "11" < ... <
// "19" < "2" < "20" ...): queue entries with equal keys fall in this order.
const std::array<int, MaxCells + 1>& text_rank() {
    static const std::array<int, MaxCells + 1> rank = [] {
        std::array<std::string, MaxCells> texts;
        for (int k = 1; k <= MaxCells; ++k) texts[k - 1] = std::to_string(k);
        std::sort(texts.begin(), texts.end());
        std::array<int, MaxCells + 1> ranks{};
        for (int i = 0; i < MaxCells; ++i) ranks[std::stoi(texts[i])] = i;
        return ranks;
    }();
    return rank;
}

// The cells that still have to give. The queue starts ordered by random keys (ties by the cell
// number's text); a requeued cell gets one more than the last key, which is more than any key
// in the queue, so it always goes behind every other. After the fill the queue is therefore a
// ring, which keeps a requeued cell last even after hundreds of requeues, where a three-digit
// key text would wrap round to the front.
class GiverQueue {
  public:
    void fill(int cells, Random& random) {
        const auto& rank = text_rank();
        std::array<int, MaxCells> order;
        for (int k = 1; k <= cells; ++k) {
            const int key = draw_key(random, QueueKeys);
            order[k - 1] = (key * 128 + rank[k]) * 128 + k;
        }
        std::sort(order.begin(), order.begin() + cells);
        for (int i = 0; i < cells; ++i) ring_[i] = static_cast<std::uint8_t>(order[i] % 128);
        head_ = 0;
        count_ = cells;
    }

    bool empty() const { return count_ == 0; }
    int size() const { return count_; }
    int head() const { return ring_[head_]; }

    // The head goes behind every other entry.
    void RequeueGiver() {
        const std::uint8_t cell = ring_[head_];
        pop();
        ring_[(head_ + count_) % MaxCells] = cell;
        ++count_;
    }

    void pop() {
        head_ = (head_ + 1) % MaxCells;
        --count_;
    }

  private:
    std::array<std::uint8_t, MaxCells> ring_{};
    int head_ = 0;
    int count_ = 0;
};

// One generation: its own board values, so the puzzle in play is never touched.
class Scramble {
  public:
    Scramble(int size, Random& random) : n_(size), cells_(size * size), random_(random) {}

    std::string run() {
        while (!attempt()) {
        }
        return body();
    }

  private:
    // One attempt from the solved arrangement; false when it runs into a dead end.
    bool attempt() {
        for (int k = 1; k <= cells_; ++k) value_[k] = (k - 1) / n_ + 1;
        gave_to_.fill(0);
        queue_.fill(cells_, random_);
        int failures = 0;
        while (!queue_.empty()) {
            if (++failures > MaxFailedTries) return false;
            const int c = queue_.head();
            if (value_[c] - 1 == 0) {
                queue_.RequeueGiver();
                continue;
            }
            const int p = PickPartner(c);
            if (value_[p] + 1 > MaxValue) {
                queue_.RequeueGiver();
                continue;
            }
            if (gave_to_[p] == c) {
                // The last giver can only give back to the cell that gave to it.
                if (queue_.size() == 1) return false;
                queue_.RequeueGiver();
                continue;
            }
            gave_to_[c] = p;
            ++value_[p];
            --value_[c];
            failures = 0;
            queue_.pop();
        }
        return true;
    }

    // A neighbour holding 1 is taken first (left, right, up, down, whether or not it gave to
    // c); otherwise the neighbours in random order, the first below 9, or the last one when
    // all hold 9. One key is drawn per direction even where there is no neighbour.
    int PickPartner(int c) {
        const int row = (c - 1) / n_ + 1;
        const int col = (c - 1) % n_ + 1;
        const bool exists[] = {col > 1, col<n_, row> 1, row < n_};
        const int neighbour[] = {c - 1, c + 1, c - n_, c + n_};
        for (int d = 0; d < 4; ++d) {
            if (exists[d] && value_[neighbour[d]] == 1) return neighbour[d];
        }
        // The candidates' texts sort by key, then row, then column: by key, then cell number.
        std::array<int, 4> candidates{};
        int count = 0;
        for (int d = 0; d < 4; ++d) {
            const int key = draw_key(random_, CandidateKeys);
            if (exists[d]) candidates[count++] = key * 128 + neighbour[d];
        }
        // Insertion sort: four entries at most.
        for (int i = 1; i < count; ++i) {
            for (int j = i; j > 0 && candidates[j] < candidates[j - 1]; --j) {
                std::swap(candidates[j], candidates[j - 1]);
            }
        }
        int partner = 0;
        for (int i = 0; i < count; ++i) {
            partner = candidates[i] % 128;
            if (value_[partner] < MaxValue) return partner;
        }
        return partner;
    }

    std::string body() const {
        std::string result;
        result.reserve(3 * cells_ + 1);
        for (int k = 1; k <= cells_; ++k) result += static_cast<char>('0' + value_[k]);
        result += ',';
        for (int k = 1; k <= cells_; ++k) {
            result += static_cast<char>('0' + gave_to_[k] / 10);
            result += static_cast<char>('0' + gave_to_[k] % 10);
        }
        return result;
    }

    const int n_;
    const int cells_;
    Random& random_;
    std::array<int, MaxCells + 1> value_{};
    std::array<int, MaxCells + 1> gave_to_{};  // whom each cell gave its unit to; 0: not yet
    GiverQueue queue_;
};

}  // namespace

std::string GeneratePuzzle(int size, Random& random) {
    if (size < MinGridSize || size > MaxGridSize) {
        throw std::invalid_argument("grid size must be 3 to 9");
    }
    return Scramble(size, random).run();
}

}  // namespace kalder
