#include "core/app/window_scale.h"

#include <gtest/gtest.h>

namespace kalder {
namespace {

// The main window as it grows: a 326 x 360 pixel client and a 22 pixel menu bar that scale,
// under a frame of 8 x 30 pixels that does not.
PixelSize main_window_at(int steps) {
    const double scale = scale_of_steps(steps);
    return {static_cast<int>(326 * scale) + 8, static_cast<int>(382 * scale) + 30};
}

TEST(WindowScale, OpensAtTheLargestWholeStepWithinFourFifthsOfTheScreen) {
    struct Case {
        PixelSize available;
        double scale;
    };
    const Case cases[] = {
        {{1280, 1000}, 2.0},   // 1280 x 1024 less a panel: 794 of 800 pixels high
        {{1920, 1050}, 2.0},   // 2.25 would take 889 of 840
        {{1366, 740}, 1.25},   // 1.5 would take 603 of 592
        {{1024, 570}, 1.0},    // a small screen keeps the designed size
        {{640, 440}, 1.0},     // even where that does not fit, nothing is cut away by shrinking
        {{3840, 2100}, 4.25},  // 1653 of 1680
        {{900, 2100}, 2.5},    // a tall, narrow screen: the width decides
    };
    for (const auto& [available, scale] : cases) {
        const PixelSize room{available.width,
                             static_cast<int>(available.height * OpeningHeightShare)};
        EXPECT_DOUBLE_EQ(scale_of_steps(fitting_scale_steps(main_window_at, room)), scale)
            << available.width << " x " << available.height;
    }
    EXPECT_EQ(fitting_scale_steps(main_window_at, {3840, 2100}, 3), 3) << "a remembered scale";
}

TEST(WindowScale, AScaledWindowStaysCentredAndWhollyOnTheScreen) {
    const PixelRect screen{0, 0, 1280, 1000};
    const PixelRect middle{400, 300, 400, 400};
    struct Case {
        PixelRect old_frame;
        PixelSize size;
        PixelRect placed;
    };
    const Case cases[] = {
        {middle, {500, 500}, {350, 250, 500, 500}},                 // grows about its centre
        {middle, {300, 300}, {450, 350, 300, 300}},                 // and shrinks about it
        {{1000, 700, 200, 200}, {400, 400}, {880, 600, 400, 400}},  // pushed back from the corner
        {{-50, -20, 200, 200}, {200, 200}, {0, 0, 200, 200}},       // dragged partly off
        {middle, {1400, 1100}, {0, 0, 1400, 1100}},                 // too big: its title bar stays
    };
    for (const auto& [old_frame, size, placed] : cases) {
        EXPECT_EQ(place_window(old_frame, size, screen), placed) << old_frame.left;
    }
    EXPECT_EQ(place_window(middle, {200, 200}, {1280, 0, 1920, 1080}).left, 1280)
        << "on a second screen";
}

}  // namespace
}  // namespace kalder
