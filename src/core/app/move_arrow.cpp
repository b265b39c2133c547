#include "core/app/move_arrow.h"

#include <cmath>

namespace kalder {

// The images lie at the giver's left L or top T plus H / 1.5 (down), minus H / 1.2 (up),
// minus W / 1.2 (left) and plus W / 1.2 (right); the crossed edge is found back from there.
TwipRect arrow_glyph(const ImageBox& image, ArrowDirection direction, int cell_size) {
    const double size = cell_size;
    double edge_x = image.Left + size / 2;
    double edge_y = image.Top + size / 2;
    switch (direction) {
        case ArrowDirection::Down:
            edge_y = image.Top + size - size / 1.5;
            break;
        case ArrowDirection::Up:
            edge_y = image.Top + size / 1.2;
            break;
        case ArrowDirection::Left:
            edge_x = image.Left + size / 1.2;
            break;
        case ArrowDirection::Right:
            edge_x = image.Left + size - size / 1.2;
            break;
    }
    const bool across = direction == ArrowDirection::Left || direction == ArrowDirection::Right;
    const int width = across ? ArrowGlyphLength : ArrowGlyphBreadth;
    const int height = across ? ArrowGlyphBreadth : ArrowGlyphLength;
    const auto start = [](double centre, int length) {
        return static_cast<int>(std::lround(centre - length / 2.0));
    };
    return {start(edge_x, width), start(edge_y, height), width, height};
}

}  // namespace kalder
