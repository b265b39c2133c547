#pragma once

#include <array>

#include "core/base/colour.h"

namespace kalder {

// The colours of the shipped "xp.col" as loading gives them: a warm grey base, slightly darker
// cells and buttons, a menu bar a shade lighter than the window. The program paints with them
// until a scheme is loaded, and for good when the store is missing.
inline std::array<Colour, 14> default_colour_table() {
    return {RGB(1, 1, 1),       RGB(240, 240, 240),
            RGB(236, 233, 216), RGB(254, 254, 248),
            RGB(204, 201, 184), RGB(172, 169, 152),
            RGB(255, 255, 255), RGB(255, 255, 248),
            RGB(255, 255, 255), RGB(128, 0, 0),
            RGB(255, 0, 0),     RGB(0, 128, 0),
            RGB(0, 255, 0),     0};
}

}  // namespace kalder
