#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/controls/box_control.h"
#include "fake_platform.h"

namespace kalder::testing {
namespace {

constexpr Colour White = RGB(255, 255, 255);
constexpr Colour Black = RGB(0, 0, 0);
const Font HostFont{"Arial", 7.5, false, false};

class BoxControlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        button.move(0, 0, 1200, 400);
        button.MouseUp = [this](const MouseEvent& event) { released.push_back(event); };
        button.MouseDown = [this](const MouseEvent& event) { pressed.push_back(event); };
    }
    FakePlatform platform;  // 100 twips a character, 200 a line
    BoxControl button{platform};
    std::vector<MouseEvent> pressed, released;
};

TEST_F(BoxControlTest, ABareButtonShowsOnlyItsRaisedEdge) {
    button.move(0, 0, 885, 345);
    const BoxPainting& painting = button.painting();
    EXPECT_TRUE(painting.caption.empty());
    EXPECT_TRUE(painting.picture.empty());
    EXPECT_EQ(painting.back, SystemButtonText);
    const EdgeLine expected[] = {{0, 0, 0, 345, White},
                                 {0, 0, 885, 0, White},
                                 {865, 20, 865, 325, Black},
                                 {20, 325, 865, 325, Black}};
    for (int i = 0; i < 4; ++i) {
        const EdgeLine& edge = painting.edges[i];
        EXPECT_EQ(std::tie(edge.x1, edge.y1, edge.x2, edge.y2, edge.colour),
                  std::tie(expected[i].x1, expected[i].y1, expected[i].x2, expected[i].y2,
                           expected[i].colour))
            << "edge " << i;
    }
}

TEST_F(BoxControlTest, CentresTheCaptionOnTheHeightOfW) {
    struct Case {
        const char* caption;
        int width, height, x, y;
    };
    const Case cases[] = {
        {"Close", 1200, 400, (1200 - 500) / 2, (400 - 200) / 2},
        {"Ok", 885, 345, (885 - 200) / 2, (345 - 200) / 2},
        {"A caption far too wide", 885, 345, (885 - 2200) / 2, (345 - 200) / 2},
    };
    for (const Case& c : cases) {
        button.move(0, 0, c.width, c.height);
        button.set_Caption(c.caption);
        EXPECT_EQ(button.painting().caption_x, c.x) << c.caption;
        EXPECT_EQ(button.painting().caption_y, c.y) << c.caption;
        EXPECT_EQ(button.painting().caption, c.caption);
    }
}

TEST_F(BoxControlTest, EveryPropertyWriteIsReportedAndAllButEnabledRepaint) {
    struct Case {
        const char* name;
        std::function<void(BoxControl&)> write;
        bool redraws;
    };
    const Case cases[] = {
        {"Caption", [](BoxControl& b) { b.set_Caption("Go"); }, true},
        {"BackColor", [](BoxControl& b) { b.set_BackColor(RGB(9, 9, 9)); }, true},
        {"ForeColor", [](BoxControl& b) { b.set_ForeColor(RGB(1, 1, 1)); }, true},
        {"Font",
         [](BoxControl& b) {
             b.set_Font(Font{"Courier New", 10, false, false});
         },
         true},
        {"FontSize", [](BoxControl& b) { b.set_FontSize(12); }, true},
        {"FontBold", [](BoxControl& b) { b.set_FontBold(true); }, true},
        {"FontItalic", [](BoxControl& b) { b.set_FontItalic(true); }, true},
        {"Picture", [](BoxControl& b) { b.set_Picture("undo"); }, true},
        {"Enabled", [](BoxControl& b) { b.set_Enabled(false); }, false},
    };
    for (const Case& c : cases) {
        std::vector<std::string> names;
        button.PropertyChanged = [&](const std::string& name) { names.push_back(name); };
        const int before = button.redraw_count();
        c.write(button);
        EXPECT_EQ(names, std::vector<std::string>{c.name});
        EXPECT_EQ(button.redraw_count() - before, c.redraws ? 1 : 0) << c.name;
    }
    const BoxPainting& painting = button.painting();
    EXPECT_EQ(painting.back, RGB(9, 9, 9)) << "a new back colour shows at once";
    EXPECT_EQ(painting.fore, RGB(1, 1, 1));
    EXPECT_EQ(painting.font, (Font{"Courier New", 12, true, true}));
    EXPECT_EQ(painting.picture, "undo");
}

TEST_F(BoxControlTest, OnlyAResizeRedraws) {
    const int before = button.redraw_count();
    button.move(500, 600, 1200, 400);
    EXPECT_EQ(button.redraw_count(), before);
    button.move(500, 600, 1300, 400);
    EXPECT_EQ(button.redraw_count(), before + 1);
    EXPECT_EQ(button.painting().edges[1].x2, 1300);
}

TEST_F(BoxControlTest, ReportsEveryMouseButtonAndShowsThePressedBorder) {
    for (const int which : {LeftButton, RightButton, MiddleButton}) {
        pressed.clear();
        released.clear();
        button.press(MouseEvent{which, ShiftKey | AltKey, 15, 30});
        EXPECT_EQ(button.BorderStyle(), 1);
        button.release(MouseEvent{which, ShiftKey | AltKey, 45, 60});
        EXPECT_EQ(button.BorderStyle(), 0);
        ASSERT_EQ(pressed.size(), 1u);
        ASSERT_EQ(released.size(), 1u);
        EXPECT_EQ(pressed[0].Button, which);
        EXPECT_EQ(released[0].Button, which);
        EXPECT_EQ(released[0].Shift, 5);
        EXPECT_EQ(released[0].X, 45);
        EXPECT_EQ(released[0].Y, 60);
    }
}

TEST_F(BoxControlTest, ADisabledButtonRaisesNothing) {
    button.set_Enabled(false);
    button.press(MouseEvent{});
    EXPECT_EQ(button.BorderStyle(), 0) << "no pressed look either";
    button.release(MouseEvent{});
    EXPECT_TRUE(pressed.empty());
    EXPECT_TRUE(released.empty());
    button.set_Enabled(true);
    button.release(MouseEvent{RightButton, 0, 0, 0});
    ASSERT_EQ(released.size(), 1u);
    EXPECT_EQ(released[0].Button, 2);
}

TEST_F(BoxControlTest, AnEmptyLayoutLoadsTheDefaults) {
    button.set_Caption("Kept");
    button.set_BackColor(RGB(5, 5, 5));
    button.set_FontBold(true);
    button.set_Enabled(false);
    button.ReadProperties({}, HostFont);
    EXPECT_TRUE(button.Enabled());
    EXPECT_EQ(button.Caption(), "Kept") << "an absent caption keeps the current one";
    EXPECT_EQ(button.BackColor(), SystemButtonText) << "the button-text colour, not the face";
    EXPECT_EQ(button.ForeColor(), SystemButtonText);
    EXPECT_EQ(button.GetFont(), (Font{"Arial", 8, false, false}));
    EXPECT_EQ(button.Picture(), "");
    EXPECT_EQ(button.BorderStyle(), 0);
    EXPECT_EQ(button.painting().back, SystemButtonText) << "loading redraws";
}

TEST_F(BoxControlTest, LayoutsRoundTripAndLeaveOutSavingDefaults) {
    button.ReadProperties({}, HostFont);
    button.set_Caption("");
    // The load default of the size (8) is not its saving default (0), so it is written.
    EXPECT_EQ(button.WriteProperties(HostFont), (PropertyBag{{"FontSize", 8.0}}));

    button.ReadProperties({{"Caption", std::string("Apply")},
                           {"Font", std::string("Courier New")},
                           {"FontSize", 7.5},
                           {"FontItalic", true},
                           {"BackColor", SystemButtonFace},
                           {"Picture", std::string("create")},
                           {"BorderStyle", 1.0}},
                          HostFont);
    EXPECT_EQ(button.GetFont(), (Font{"Courier New", 7.5, false, true}));
    EXPECT_EQ(button.BorderStyle(), 1);
    button.press(MouseEvent{});
    button.release(MouseEvent{});
    EXPECT_EQ(button.BorderStyle(), 0) << "a click ends the loaded border";

    const PropertyBag saved = button.WriteProperties(HostFont);
    EXPECT_FALSE(saved.contains("ForeColor"));
    EXPECT_FALSE(saved.contains("Enabled"));
    EXPECT_FALSE(saved.contains("BorderStyle"));
    BoxControl copy(platform);
    copy.ReadProperties(saved, HostFont);
    EXPECT_EQ(copy.Caption(), "Apply");
    EXPECT_EQ(copy.GetFont(), button.GetFont());
    EXPECT_EQ(copy.BackColor(), SystemButtonFace);
    EXPECT_EQ(copy.Picture(), "create");
    EXPECT_EQ(copy.WriteProperties(HostFont), saved);
}

TEST_F(BoxControlTest, PicturesArePlacedByTheirSizeInHundredthsOfAMillimetre) {
    button.move(0, 0, 390, 360);
    button.set_Picture("undo");
    // 1440 twips to the inch, 2540 hundredths of a millimetre.
    const double units = std::round(BoxControl::PictureSizeTwips * 2540.0 / 1440.0);
    const BoxPainting& painting = button.painting();
    EXPECT_EQ(painting.picture_x, static_cast<int>(std::lround((390 - units / 2) / 2 - 24)));
    EXPECT_EQ(painting.picture_y, static_cast<int>(std::lround((360 - units / 2) / 2 - 24)));
    EXPECT_EQ(painting.picture_width, BoxControl::PictureSizeTwips);
    // The formula keeps the program's pictures near the middle of a top-bar button.
    EXPECT_NEAR(painting.picture_x + painting.picture_width / 2, 195, 15);
    EXPECT_NEAR(painting.picture_y + painting.picture_height / 2, 180, 15);
}

}  // namespace
}  // namespace kalder::testing
