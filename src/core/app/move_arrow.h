#pragma once

#include "core/app/form1_controls.h"

namespace kalder {

enum class ArrowDirection { Left, Right, Up, Down };

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The box an arrow image draws its arrow in: short enough along the move to leave both
// cells' values in sight, even a receiver's 10, and broad across it to be seen at once.
inline constexpr int ArrowGlyphLength = 160;
inline constexpr int ArrowGlyphBreadth = 240;

// Where an arrow image, placed beside the giving cell as the window's layout places it, draws
// its arrow: centred on the edge the move crosses.
TwipRect arrow_glyph(const ImageBox& image, ArrowDirection direction, int cell_size);

}  // namespace kalder
