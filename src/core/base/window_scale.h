#pragma once

#include <functional>

namespace kalder {

// The window scales in whole steps of a quarter of its designed size (Ctrl + and Ctrl -),
// from the designed size up.
inline constexpr double ScaleStep = 0.25;
inline constexpr int MaxScaleSteps = 20;

// The share of the screen's height the window opens in, when the player has chosen no scale.
inline constexpr double OpeningHeightShare = 0.8;

inline double scale_of_steps(int steps) {
    return 1.0 + steps * ScaleStep;
}

// 15 twips to a pixel at 96 dots per inch.
inline constexpr double TwipsPerPixelAt96 = 15.0;

// A length designed in twips, in pixels at `scale`.
int scaled_pixels(double twips, double scale);

struct PixelSize {
    int width = 0;
    int height = 0;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const PixelRect&) const = default;
};

// The most steps, up to `wanted`, at which the window (its outer size at a number of steps)
// fits within `room`; 0 when not even the designed size fits, since the layout is never shrunk.
int fitting_scale_steps(const std::function<PixelSize(int steps)>& outer_size, PixelSize room,
                        int wanted = MaxScaleSteps);

// The place for a window grown or shrunk to `size`: centred where it was, then moved as
// little as needed to lie wholly on the screen's available area.
PixelRect place_window(const PixelRect& old_frame, PixelSize size, const PixelRect& available);

// Where a secondary window goes: centred on a frame (the game's when it opens, its own when it
// is scaled while open), or beside the game's frame where it hides the least of it: wholly
// right or left of it, smaller down to half the game's scale if need be, or else at the scale
// right, left, below or above, moved onto the screen.
enum class Placement { Centred, Beside };

struct SecondaryGeometry {
    double scale = 1.0;  // the scale its lengths and fonts are shown at
    PixelRect frame;     // its outer place, frame and title bar included

    bool operator==(const SecondaryGeometry&) const = default;
};

// A secondary window designed `design` twips wide and high inside a `frame` of pixels, at the
// game's scale: shown smaller only as far as the available area needs, so it lies wholly on
// the screen that shows the game.
SecondaryGeometry secondary_geometry(PixelSize design, PixelSize frame, double scale,
                                     Placement placement, const PixelRect& anchor,
                                     const PixelRect& available);

}  // namespace kalder
