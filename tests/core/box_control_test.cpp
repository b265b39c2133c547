#include <gtest/gtest.h>

#include "core/controls/box_control.h"
#include "fake_platform.h"

namespace kalder::testing {
namespace {

const Font HostFont{"Arial", 7.5, false, false};

class BoxControlTest : public ::testing::Test {
  protected:
    BoxControlTest() {
        button.MouseUp = [this](const MouseEvent& event) { released.push_back(event); };
        button.MouseDown = [this](const MouseEvent& event) { pressed.push_back(event); };
    }
    FakePlatform platform;  // 100 twips a character, 200 a line
    BoxControl button{platform};
    std::vector<MouseEvent> pressed, released;
};

// A raised edge (light top and left, dark inset bottom and right), the caption centred on the
// height of a "W", the picture (sized in hundredths of a millimetre) near the middle of a
// top-bar button; only a resize, not a move, draws again.
TEST_F(BoxControlTest, PaintsEdgeCaptionAndPicture) {
    button.move(0, 0, 1200, 400);
    button.set_Caption("Close");
    const BoxPainting& p = button.painting();
    EXPECT_EQ(std::tuple(p.caption, p.caption_x, p.caption_y, p.back, p.fore, p.font),
              std::tuple("Close", 350, 100, SystemButtonText, SystemButtonText, Font{}));
    std::vector<std::array<int, 5>> edges;
    for (const EdgeLine& e : p.edges) edges.push_back({e.x1, e.y1, e.x2, e.y2, e.colour != 0});
    EXPECT_EQ(edges, (decltype(edges){{0, 0, 0, 400, 1},
                                      {0, 0, 1200, 0, 1},
                                      {1180, 20, 1180, 380, 0},
                                      {20, 380, 1180, 380, 0}}));
    button.move(0, 0, 390, 360);
    button.set_Picture("undo");
    EXPECT_EQ(std::tuple(p.picture, p.picture_x, p.picture_y, p.picture_width, p.picture_height),
              std::tuple("undo", 12, -3, 360, 360));
    const int before = button.redraw_count();
    button.move(500, 600, 390, 360);
    button.move(500, 600, 390, 361);
    EXPECT_EQ(button.redraw_count(), before + 1);
}

// Every mouse button is reported with its keys and place, and shows the pressed border while
// down; a disabled button raises nothing and shows no pressed look.
TEST_F(BoxControlTest, ReportsEveryMouseButtonUnlessDisabled) {
    for (const int which : {LeftButton, RightButton, MiddleButton}) {
        button.press(MouseEvent{which, ShiftKey | AltKey, 15, 30});
        EXPECT_EQ(button.BorderStyle(), 1);
        button.release(MouseEvent{which, ShiftKey | AltKey, 45, 60});
        const MouseEvent& up = released.back();
        EXPECT_EQ(
            std::tuple(button.BorderStyle(), pressed.back().Button, up.Button, up.Shift, up.Y),
            std::tuple(0, which, which, 5, 60.0));
    }
    button.set_Enabled(false);
    button.press(MouseEvent{});
    EXPECT_EQ(button.BorderStyle(), 0);
    button.release(MouseEvent{});
    EXPECT_EQ(std::tuple(pressed.size(), released.size()), std::tuple(3u, 3u));
}

// Every write is reported and all but Enabled repaint; saving leaves out what equals its saving
// default, what is saved loads back the same, and a layout without entries loads the defaults
// (the button-text colour for the back, not the face; size 8) but keeps the caption.
TEST_F(BoxControlTest, PropertiesAreReportedSavedAndLoaded) {
    std::string names;
    button.PropertyChanged = [&](const std::string& name) { names += name + " "; };
    const int before = button.redraw_count();
    button.set_Caption("Apply");
    button.set_Font(Font{"Courier", 10, false, false});
    button.set_FontSize(7.5);
    button.set_FontItalic(true);
    button.set_FontBold(true);
    button.set_BackColor(SystemButtonFace);
    button.set_ForeColor(255);
    button.set_Picture("create");
    button.set_Enabled(false);
    EXPECT_EQ(std::tuple(names, button.redraw_count(), button.painting().font),
              std::tuple("Caption Font FontSize FontItalic FontBold BackColor ForeColor Picture "
                         "Enabled ",
                         before + 8, Font{"Courier", 7.5, true, true}));
    using namespace std::string_literals;
    PropertyBag full = {{"Caption", "Apply"s},  {"Font", "Courier"s},
                        {"FontSize", 7.5},      {"FontItalic", true},
                        {"FontBold", true},     {"ForeColor", 255u},
                        {"Picture", "create"s}, {"BackColor", SystemButtonFace},
                        {"Enabled", false}};
    EXPECT_EQ(button.WriteProperties(HostFont), full);
    full["BorderStyle"] = 1.0;
    BoxControl loaded{platform};
    loaded.ReadProperties(full, HostFont);
    EXPECT_EQ(loaded.WriteProperties(HostFont), full);
    loaded.set_Enabled(true);
    loaded.press(MouseEvent{});
    loaded.release(MouseEvent{});
    EXPECT_FALSE(loaded.WriteProperties(HostFont).contains("BorderStyle")) << "a click ends it";
    loaded.ReadProperties({}, HostFont);
    EXPECT_EQ(std::tuple(loaded.painting().back, loaded.WriteProperties(HostFont)),
              std::tuple(SystemButtonText, PropertyBag{{"Caption", "Apply"s}, {"FontSize", 8.0}}));
}

}  // namespace
}  // namespace kalder::testing
