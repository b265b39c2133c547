#pragma once

namespace kalder {

// Cells (numbered 1 .. n*n row by row) are neighbours only when they share an edge: the last
// cell of a row and the first of the next are not, though their numbers follow each other.
constexpr bool are_adjacent(int a, int b, int n) {
    if (n < 1 || a < 1 || b < 1 || a > n * n || b > n * n) return false;
    const int row_a = (a - 1) / n, col_a = (a - 1) % n;
    const int row_b = (b - 1) / n, col_b = (b - 1) % n;
    const int row_gap = row_a > row_b ? row_a - row_b : row_b - row_a;
    const int col_gap = col_a > col_b ? col_a - col_b : col_b - col_a;
    return row_gap + col_gap == 1;
}

}  // namespace kalder
