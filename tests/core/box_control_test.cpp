#include <gtest/gtest.h>

#include "core/controls/box_control.h"
#include "fake_platform.h"

namespace kalder::testing {
namespace {

class BoxControlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        button.move(0, 0, 1200, 400);
        button.MouseUp = [this](const MouseEvent& event) { released.push_back(event); };
        button.MouseDown = [this](const MouseEvent& event) { pressed.push_back(event); };
    }
    FakePlatform platform;
    BoxControl button{platform};
    std::vector<MouseEvent> pressed, released;
};

TEST_F(BoxControlTest, CentresTheCaptionAndDrawsTheRaisedEdge) {
    button.set_Caption("Close");  // 500 wide, "W" 200 high in the fake's measure
    const BoxPainting& painting = button.painting();
    EXPECT_EQ(painting.caption_x, (1200 - 500) / 2);
    EXPECT_EQ(painting.caption_y, (400 - 200) / 2);
    EXPECT_EQ(painting.edges[0].colour, RGB(255, 255, 255));
    EXPECT_EQ(painting.edges[0].y2, 400);
    EXPECT_EQ(painting.edges[1].x2, 1200);
    EXPECT_EQ(painting.edges[2].colour, RGB(0, 0, 0));
    EXPECT_EQ(painting.edges[2].x1, 1180);
    EXPECT_EQ(painting.edges[3].y1, 380);
}

TEST_F(BoxControlTest, PropertyWritesRepaintExceptEnabled) {
    std::vector<std::string> names;
    button.PropertyChanged = [&](const std::string& name) { names.push_back(name); };
    int redraws = button.redraw_count();
    button.set_BackColor(RGB(9, 9, 9));
    EXPECT_EQ(button.painting().back, RGB(9, 9, 9));
    EXPECT_EQ(button.redraw_count(), ++redraws);
    button.set_FontBold(true);
    EXPECT_TRUE(button.painting().font.bold);
    EXPECT_EQ(button.redraw_count(), ++redraws);
    button.set_Enabled(false);
    EXPECT_EQ(button.redraw_count(), redraws);
    EXPECT_EQ(names, (std::vector<std::string>{"BackColor", "FontBold", "Enabled"}));
}

TEST_F(BoxControlTest, ReportsEveryMouseButtonAndShowsThePressedBorder) {
    button.press(MouseEvent{RightButton, ShiftKey | CtrlKey, 15, 30});
    EXPECT_EQ(button.BorderStyle(), 1);
    button.release(MouseEvent{RightButton, ShiftKey | CtrlKey, 15, 30});
    EXPECT_EQ(button.BorderStyle(), 0);
    ASSERT_EQ(released.size(), 1u);
    EXPECT_EQ(released[0].Button, 2);
    EXPECT_EQ(released[0].Shift, 3);
    EXPECT_EQ(released[0].X, 15);
    ASSERT_EQ(pressed.size(), 1u);

    button.set_Enabled(false);
    button.press(MouseEvent{});
    button.release(MouseEvent{});
    EXPECT_EQ(released.size(), 1u) << "a disabled button raises nothing";
    EXPECT_EQ(pressed.size(), 1u);
}

TEST_F(BoxControlTest, StoredLayoutsLoadWithTheirDefaults) {
    button.ReadProperties({{"Caption", std::string("Apply")}, {"BorderStyle", 1.0}},
                          Font{"Arial", 7.5, false, false});
    EXPECT_EQ(button.Caption(), "Apply");
    EXPECT_EQ(button.BackColor(), SystemButtonText) << "not the button face";
    EXPECT_EQ(button.GetFont().size, 8);
    EXPECT_EQ(button.BorderStyle(), 1);
    button.press(MouseEvent{});
    button.release(MouseEvent{});
    EXPECT_EQ(button.BorderStyle(), 0);

    button.set_BackColor(SystemButtonFace);
    const PropertyBag saved = button.WriteProperties(Font{"Arial", 7.5, false, false});
    EXPECT_EQ(std::get<Colour>(saved.at("BackColor")), SystemButtonFace);
    EXPECT_FALSE(saved.contains("ForeColor"));
    BoxControl copy(platform);
    copy.ReadProperties(saved, Font{"Arial", 7.5, false, false});
    EXPECT_EQ(copy.Caption(), "Apply");
    EXPECT_EQ(copy.BackColor(), SystemButtonFace);
}

TEST_F(BoxControlTest, PicturesSitNearTheCentre) {
    button.move(0, 0, 390, 360);
    button.set_Picture("undo");
    const BoxPainting& painting = button.painting();
    const int centre_x = painting.picture_x + painting.picture_width / 2;
    const int centre_y = painting.picture_y + painting.picture_height / 2;
    EXPECT_NEAR(centre_x, 195, 15);
    EXPECT_NEAR(centre_y, 180, 15);
}

}  // namespace
}  // namespace kalder::testing
