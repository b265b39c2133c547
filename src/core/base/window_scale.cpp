#include "core/base/window_scale.h"

#include <algorithm>
#include <cmath>

namespace kalder {

int scaled_pixels(double twips, double scale) {
    return static_cast<int>(std::lround(twips * scale / TwipsPerPixelAt96));
}

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

SecondaryGeometry secondary_geometry(PixelSize design, PixelSize frame, double scale,
                                     Placement placement, const PixelRect& anchor,
                                     const PixelRect& available) {
    const auto room_scale = [](int room, int twips) {
        return twips > 0 ? room * TwipsPerPixelAt96 / twips : 0.0;
    };
    const double shown = std::min({scale, room_scale(available.width - frame.width, design.width),
                                   room_scale(available.height - frame.height, design.height)});
    const PixelSize size{scaled_pixels(design.width, shown) + frame.width,
                         scaled_pixels(design.height, shown) + frame.height};
    const int right = anchor.left + anchor.width;
    const bool room_right = right + size.width <= available.left + available.width;
    const bool room_left = anchor.left - size.width >= available.left;
    if (placement == Placement::Centred || !(room_right || room_left)) {
        return {shown, place_window(anchor, size, available)};
    }
    const int left = room_right ? right : anchor.left - size.width;
    const int top = std::max(available.top,
                             std::min(anchor.top, available.top + available.height - size.height));
    return {shown, {left, top, size.width, size.height}};
}

}  // namespace kalder
