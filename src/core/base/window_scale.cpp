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
    if (placement == Placement::Centred) return {shown, place_window(anchor, size, available)};
    // Wholly beside the game, right or else left, smaller where that needs it, down to half the
    // game's scale and never below the designed size.
    const int room_right = available.left + available.width - (anchor.left + anchor.width);
    const int room_left = anchor.left - available.left;
    const double beside =
        std::min(shown, room_scale(std::max(room_right, room_left) - frame.width, design.width));
    if (beside >= std::max(1.0, scale / 2)) {
        const PixelSize smaller{scaled_pixels(design.width, beside) + frame.width,
                                scaled_pixels(design.height, beside) + frame.height};
        const int left =
            room_right >= smaller.width ? anchor.left + anchor.width : anchor.left - smaller.width;
        const int top =
            std::clamp(anchor.top, available.top,
                       std::max(available.top, available.top + available.height - smaller.height));
        return {beside, {left, top, smaller.width, smaller.height}};
    }
    // Else at the scale, right of the game, left, below or above, each moved onto the screen:
    // the first that covers the least of the game.
    const auto onto_screen = [&](int left, int top) {
        return PixelRect{
            std::clamp(left, available.left,
                       std::max(available.left, available.left + available.width - size.width)),
            std::clamp(top, available.top,
                       std::max(available.top, available.top + available.height - size.height)),
            size.width, size.height};
    };
    const auto covered = [&](const PixelRect& place) {
        const long across = std::min(place.left + place.width, anchor.left + anchor.width) -
                            std::max(place.left, anchor.left);
        const long down = std::min(place.top + place.height, anchor.top + anchor.height) -
                          std::max(place.top, anchor.top);
        return std::max(0L, across) * std::max(0L, down);
    };
    const PixelRect candidates[] = {
        onto_screen(anchor.left + anchor.width, anchor.top),
        onto_screen(anchor.left - size.width, anchor.top),
        onto_screen(anchor.left, anchor.top + anchor.height),
        onto_screen(anchor.left, anchor.top - size.height),
    };
    const PixelRect* best = &candidates[0];
    for (const PixelRect& candidate : candidates) {
        if (covered(candidate) < covered(*best)) best = &candidate;
    }
    return {shown, *best};
}

}  // namespace kalder
