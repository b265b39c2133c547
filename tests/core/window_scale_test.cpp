#include "core/app/window_scale.h"

#include <gtest/gtest.h>

namespace kalder {
namespace {

// The main window: a 326 x 382 pixel client and menu bar that scale, under an 8 x 30 frame.
PixelSize main_window_at(int steps) {
    const double scale = scale_of_steps(steps);
    return {static_cast<int>(326 * scale) + 8, static_cast<int>(382 * scale) + 30};
}

TEST(WindowScale, OpensAtTheLargestStepWithinFourFifthsOfTheScreenCentredAndOnIt) {
    const std::pair<PixelSize, double> cases[] = {
        {{1280, 1000}, 2.0},  // 794 of 800 pixels high
        {{640, 440}, 1.0},    // never shrunk below the designed size
        {{900, 2100}, 2.5},   // a narrow screen: the width decides
    };
    for (const auto& [screen, scale] : cases) {
        const PixelSize room{screen.width, static_cast<int>(screen.height * OpeningHeightShare)};
        EXPECT_DOUBLE_EQ(scale_of_steps(fitting_scale_steps(main_window_at, room)), scale)
            << screen.width << " x " << screen.height;
    }
    EXPECT_EQ(fitting_scale_steps(main_window_at, {3840, 2100}, 3), 3) << "a remembered scale";
    // Centred on where it was, moved back onto the screen; too big, its title bar stays in reach.
    const PixelRect screen{0, 0, 1280, 1000};
    EXPECT_EQ(place_window({400, 300, 400, 400}, {500, 500}, screen),
              (PixelRect{350, 250, 500, 500}));
    EXPECT_EQ(place_window({1000, 700, 200, 200}, {400, 400}, screen),
              (PixelRect{880, 600, 400, 400}));
    EXPECT_EQ(place_window({400, 300, 400, 400}, {1400, 1100}, screen),
              (PixelRect{0, 0, 1400, 1100}));
}

}  // namespace
}  // namespace kalder
