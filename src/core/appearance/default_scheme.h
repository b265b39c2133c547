#pragma once

#include <array>

#include "core/base/colour.h"

namespace kalder {

// The colours the program paints with when no scheme store is read: a warm grey base with
// slightly darker cells and buttons and a dark menu bar.
inline std::array<Colour, 14> default_colour_table() {
    return {RGB(1, 1, 1),       RGB(240, 240, 240),
            RGB(236, 233, 216), RGB(108, 105, 88),
            RGB(204, 201, 184), RGB(172, 169, 152),
            RGB(255, 255, 255), RGB(255, 255, 248),
            RGB(255, 255, 255), RGB(128, 0, 0),
            RGB(255, 0, 0),     RGB(0, 128, 0),
            RGB(0, 255, 0),     0};
}

}  // namespace kalder
