#pragma once

#include <cstddef>

#include "core/app/form1.h"
#include "fuzz_check.h"

// Whatever the file held, the board shows at most its N x N cells, each one digit.
inline void check_board(const kalder::Form1& form) {
    FUZZ_CHECK(form.board.GridSize >= 3 && form.board.GridSize <= 9);
    FUZZ_CHECK(form.board.CellCount == form.board.GridSize * form.board.GridSize);
    for (std::size_t k = 1; k < form.CellD.size(); ++k) {
        const auto& cell = form.CellD[k];
        if (!cell.Visible || cell.Caption.empty()) continue;
        FUZZ_CHECK(static_cast<int>(k) <= form.board.CellCount);
        FUZZ_CHECK(cell.Caption.size() == 1 && cell.Caption[0] >= '0' && cell.Caption[0] <= '9');
    }
}
