#include "core/base/window_scale.h"

#include <algorithm>

namespace kalder {

int fitting_scale_steps(const std::function<PixelSize(int steps)>& outer_size, PixelSize room,
                        int wanted) {
    int steps = 0;
    for (int next = 1; next <= std::clamp(wanted, 0, MaxScaleSteps); ++next) {
        const PixelSize size = outer_size(next);
        if (size.width > room.width || size.height > room.height) break;
        steps = next;
    }
    return steps;
}

namespace {

// The start of a span of `length` centred on `centre`, kept within [low, low + room); a span
// longer than the room starts at its start, so the title bar stays reachable.
int placed_start(int centre, int length, int low, int room) {
    const int start = centre - length / 2;
    return std::max(low, std::min(start, low + room - length));
}

}  // namespace

PixelRect place_window(const PixelRect& old_frame, PixelSize size, const PixelRect& available) {
    const int centre_x = old_frame.left + old_frame.width / 2;
    const int centre_y = old_frame.top + old_frame.height / 2;
    return {placed_start(centre_x, size.width, available.left, available.width),
            placed_start(centre_y, size.height, available.top, available.height), size.width,
            size.height};
}

}  // namespace kalder
