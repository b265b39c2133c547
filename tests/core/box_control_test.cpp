#include <gtest/gtest.h>

#include <functional>

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

// The edges as "x1,y1,x2,y2 colour" each, W for white, B for black.
std::string edges(const BoxPainting& painting) {
    std::string text;
    for (const EdgeLine& e : painting.edges) {
        text += std::to_string(e.x1) + "," + std::to_string(e.y1) + "," + std::to_string(e.x2) +
                "," + std::to_string(e.y2) + (e.colour == RGB(255, 255, 255) ? " W " : " B ");
    }
    return text;
}

// A raised edge (light top and left, dark inset bottom and right) and the caption centred on
// the height of a "W"; only a resize, not a move, draws it again.
TEST_F(BoxControlTest, PaintsItsEdgeAndCentresTheCaption) {
    const struct {
        const char* caption;
        int width, height, x, y;
        const char* edges;
    } cases[] = {
        {"", 885, 345, 442, 72, "0,0,0,345 W 0,0,885,0 W 865,20,865,325 B 20,325,865,325 B "},
        {"Close", 1200, 400, 350, 100,
         "0,0,0,400 W 0,0,1200,0 W 1180,20,1180,380 B 20,380,1180,380 B "},
        {"A caption far too wide", 885, 345, -657, 72, nullptr},
    };
    for (const auto& c : cases) {
        button.move(0, 0, c.width, c.height);
        button.set_Caption(c.caption);
        const BoxPainting& p = button.painting();
        EXPECT_EQ(std::tuple(p.caption, p.caption_x, p.caption_y, p.back),
                  std::tuple(c.caption, c.x, c.y, SystemButtonText));
        if (c.edges) {
            EXPECT_EQ(edges(p), c.edges);
        }
    }
    const int before = button.redraw_count();
    button.move(500, 600, 885, 345);
    button.move(500, 600, 885, 346);
    EXPECT_EQ(button.redraw_count(), before + 1);
}

TEST_F(BoxControlTest, EveryPropertyWriteIsReportedAndAllButEnabledRepaint) {
    const struct {
        const char* name;
        std::function<void(BoxControl&)> write;
    } cases[] = {
        {"Caption", [](BoxControl& b) { b.set_Caption("Go"); }},
        {"BackColor", [](BoxControl& b) { b.set_BackColor(RGB(9, 9, 9)); }},
        {"ForeColor", [](BoxControl& b) { b.set_ForeColor(RGB(1, 1, 1)); }},
        {"Font",
         [](BoxControl& b) {
             b.set_Font(Font{"Courier New", 10, false, false});
         }},
        {"FontSize", [](BoxControl& b) { b.set_FontSize(12); }},
        {"FontBold", [](BoxControl& b) { b.set_FontBold(true); }},
        {"FontItalic", [](BoxControl& b) { b.set_FontItalic(true); }},
        {"Picture", [](BoxControl& b) { b.set_Picture("undo"); }},
        {"Enabled", [](BoxControl& b) { b.set_Enabled(false); }},
    };
    for (const auto& c : cases) {
        std::vector<std::string> names;
        button.PropertyChanged = [&](const std::string& name) { names.push_back(name); };
        const int before = button.redraw_count();
        c.write(button);
        EXPECT_EQ(names, std::vector<std::string>{c.name});
        EXPECT_EQ(button.redraw_count() - before, std::string(c.name) == "Enabled" ? 0 : 1)
            << c.name;
    }
    const BoxPainting& painting = button.painting();
    EXPECT_EQ(std::tuple(painting.back, painting.fore, painting.font, painting.picture),
              std::tuple(RGB(9, 9, 9), RGB(1, 1, 1), Font{"Courier New", 12, true, true}, "undo"));
}

// Every mouse button is reported with its keys and place, and shows the pressed border while
// down; a disabled button raises nothing and shows no pressed look.
TEST_F(BoxControlTest, ReportsEveryMouseButtonUnlessDisabled) {
    for (const int which : {LeftButton, RightButton, MiddleButton}) {
        button.press(MouseEvent{which, ShiftKey | AltKey, 15, 30});
        EXPECT_EQ(button.BorderStyle(), 1);
        button.release(MouseEvent{which, ShiftKey | AltKey, 45, 60});
        EXPECT_EQ(button.BorderStyle(), 0);
        const MouseEvent& up = released.back();
        EXPECT_EQ(std::tuple(pressed.back().Button, up.Button, up.Shift, up.X, up.Y),
                  std::tuple(which, which, 5, 45.0, 60.0));
    }
    button.set_Enabled(false);
    button.press(MouseEvent{});
    EXPECT_EQ(button.BorderStyle(), 0);
    button.release(MouseEvent{});
    EXPECT_EQ(std::tuple(pressed.size(), released.size()), std::tuple(3u, 3u));
}

// A layout without entries loads the defaults (the button-text colour for the back, not the
// face; size 8) but keeps the caption; saving leaves out what equals its saving default, and
// what is saved reads back the same.
TEST_F(BoxControlTest, LayoutsLoadDefaultsAndRoundTrip) {
    button.set_Caption("Kept");
    button.set_BackColor(RGB(5, 5, 5));
    button.set_FontBold(true);
    button.set_Enabled(false);
    button.ReadProperties({}, HostFont);
    EXPECT_EQ(std::tuple(button.Enabled(), button.Caption(), button.BackColor(), button.ForeColor(),
                         button.GetFont(), button.Picture()),
              std::tuple(true, "Kept", SystemButtonText, SystemButtonText,
                         Font{"Arial", 8, false, false}, ""));
    EXPECT_EQ(button.painting().back, SystemButtonText) << "loading redraws";
    button.set_Caption("");
    EXPECT_EQ(button.WriteProperties(HostFont), (PropertyBag{{"FontSize", 8.0}}));

    const PropertyBag full = {{"Caption", std::string("Apply")},
                              {"Font", std::string("Courier")},
                              {"FontSize", 7.5},
                              {"FontItalic", true},
                              {"FontBold", true},
                              {"BackColor", SystemButtonFace},
                              {"ForeColor", 255u},
                              {"Picture", std::string("create")},
                              {"Enabled", false},
                              {"BorderStyle", 1.0}};
    button.ReadProperties(full, HostFont);
    EXPECT_EQ(std::tuple(button.GetFont(), button.BorderStyle(), button.Enabled()),
              std::tuple(Font{"Courier", 7.5, true, true}, 1, false));
    EXPECT_EQ(button.WriteProperties(HostFont), full);
    button.set_Enabled(true);
    button.press(MouseEvent{});
    button.release(MouseEvent{});
    EXPECT_EQ(button.BorderStyle(), 0) << "a click ends the loaded border";
    EXPECT_FALSE(button.WriteProperties(HostFont).contains("BorderStyle"));
}

// The picture's own size is in hundredths of a millimetre; placed by it, the program's pictures
// sit near the middle of a top-bar button.
TEST_F(BoxControlTest, PicturesSitNearTheMiddleOfATopBarButton) {
    button.move(0, 0, 390, 360);
    button.set_Picture("undo");
    const BoxPainting& painting = button.painting();
    EXPECT_EQ(std::tuple(painting.picture_x, painting.picture_y, painting.picture_width),
              std::tuple(12, -3, 360));
    EXPECT_NEAR(painting.picture_x + painting.picture_width / 2, 195, 15);
    EXPECT_NEAR(painting.picture_y + painting.picture_height / 2, 180, 15);
}

}  // namespace
}  // namespace kalder::testing
