#include <gtest/gtest.h>

#include "core/msgbox/msg_form.h"
#include "fake_platform.h"

namespace kalder::testing {
namespace {

using Captions = std::vector<std::string>;

class MsgFormTest : public ::testing::Test {
  protected:
    Captions captions() const {
        Captions result;
        for (const auto& button : form.cmd) {
            if (button.Visible) result.push_back(button.Caption());
        }
        return result;
    }
    std::vector<int> shown_icons() const {
        std::vector<int> slots;
        for (int slot = 0; slot < MsgForm::IconSlots; ++slot) {
            if (form.icons[slot]) slots.push_back(slot);
        }
        return slots;
    }
    FakePlatform platform;
    MsgForm form{platform};
};

TEST_F(MsgFormTest, ShowsTheButtonsAndIconsOfTheStyle) {
    struct Case {
        const char* style;
        Captions captions;
        std::vector<int> icons;
    };
    const Case cases[] = {
        {"vbok", {"Ok"}, {}},
        {"", {"Ok"}, {}},
        {"vberror,vbok", {"Ok"}, {}},
        {"vbQuestion + vbYesNo", {"Yes", "No"}, {0}},
        {"vbYesNo+vbquestion", {"Yes", "No"}, {0}},
        {"vbno+vbyes", {"No", "Yes"}, {}},
        {"vbyesno+vbcancel", {"Yes", "No", "Cancel"}, {}},
        {"vbcustom", {"Ok"}, {10}},
        {"vbhappy+vbquestion", {"Ok"}, {0, 5}},
        // Three buttons and no more: the rest of the pieces are ignored.
        {"vbyesnocancel+vbok+vbabortretryignore", {"Yes", "No", "Cancel"}, {}},
        {"vbok+vbok+vbok+vbok+vbexclamation", {"Ok", "Ok", "Ok"}, {1}},
    };
    for (const Case& c : cases) {
        MsgboxA(form, platform, "Note", c.style);
        EXPECT_EQ(captions(), c.captions) << c.style;
        EXPECT_EQ(shown_icons(), c.icons) << c.style;
        EXPECT_EQ(platform.messages.back().buttons, c.captions) << c.style;
        EXPECT_EQ(platform.messages.back().icon_slots, c.icons) << c.style;
    }
    EXPECT_EQ(form.Label1.left, 840) << "the text keeps its indent whatever the icon";
}

TEST_F(MsgFormTest, ReturnsTheCodeOfTheClickedButton) {
    platform.message_answers = {7, 6, 2, 5};
    EXPECT_EQ(MsgboxA(form, platform, "Reset?", "vbquestion+vbyesno"), 7);
    EXPECT_EQ(MsgboxA(form, platform, "Reset?", "vbquestion+vbyesno"), 6);
    EXPECT_EQ(MsgboxA(form, platform, "Go?", "vbyesnocancel"), 2);
    EXPECT_EQ(MsgboxA(form, platform, "Go?", "vbabortretryignore"), 5);
    EXPECT_EQ(MsgboxA(form, platform, "Plain"), 1);
    EXPECT_EQ(MsgboxA(form, platform, "Empty", ""), 1);
    EXPECT_EQ(MsgboxA(form, platform, "Normal", "vbnormal"), 0);
    EXPECT_EQ(MsgboxA(form, platform, "Twice", "vbok+vbok"), 1);
    EXPECT_FALSE(form.visible);
}

TEST_F(MsgFormTest, AnyMouseButtonClicksButHiddenButtonsDoNot) {
    platform.on_message = [this] {
        form.cmd_MouseUp(2, MouseEvent{});
        EXPECT_TRUE(form.visible) << "button 2 is not shown for two buttons";
        form.cmd[0].press(MouseEvent{RightButton, 0, 0, 0});
        form.cmd[0].release(MouseEvent{RightButton, 0, 0, 0});
    };
    EXPECT_EQ(MsgboxA(form, platform, "x", "vbyesno"), 6);
    EXPECT_FALSE(form.visible);
}

TEST_F(MsgFormTest, ClosingFromTheFrameCountsAsTheLastButtonShown) {
    platform.message_answers = {-1, 6, -1, -1, -1};
    EXPECT_EQ(MsgboxA(form, platform, "First", "vbokcancel"), 2) << "not 0 before any click";
    EXPECT_EQ(MsgboxA(form, platform, "Sure?", "vbyesno"), 6);
    EXPECT_EQ(MsgboxA(form, platform, "Sure?", "vbyesno"), 7) << "not the stale 6";
    EXPECT_EQ(MsgboxA(form, platform, "Note"), 1);
    EXPECT_EQ(MsgboxA(form, platform, "Three", "vbyesno+vbok+vbcancel"), 1)
        << "the third button shown, not the ignored fourth";
}

TEST_F(MsgFormTest, LayoutGrowsWithTheTextAndCentresTheButtons) {
    // The fake measures 100 twips a character and 200 a line.
    MsgboxA(form, platform, "Hi", "vbok");
    EXPECT_EQ(form.width, 2655) << "never narrower than three buttons";
    EXPECT_EQ(form.cmd[0].Left(), (2655 - 885) / 2);

    const std::string long_line(40, 'x');
    MsgboxA(form, platform, long_line, "vbyesno");
    EXPECT_EQ(form.Label1.width, 4000);
    EXPECT_EQ(form.width, 4000 + 1680);
    EXPECT_EQ(form.cmd[0].Left(), (5680 - 2 * 885) / 2);
    EXPECT_EQ(form.cmd[1].Left(), form.cmd[0].Left() + 885);

    MsgboxA(form, platform, "one\r\ntwo\r\nthree", "vbabortretryignore");
    EXPECT_EQ(form.Label1.width, 500) << "the longest line";
    EXPECT_EQ(form.Label1.height, 3 * 200 + 120);
    for (const auto& button : form.cmd) EXPECT_EQ(button.Top(), 300 + 720 + 120);
    EXPECT_EQ(form.height, 300 + 720 + 120 + 345 + 600);
    EXPECT_EQ(form.cmd[0].Left(), 0);
    EXPECT_EQ(form.cmd[1].Left(), 885);
    EXPECT_EQ(form.cmd[2].Left(), 2 * 885);

    MsgboxA(form, platform, "Hi", "vbok");
    EXPECT_EQ(captions(), Captions{"Ok"}) << "buttons of the last call are hidden again";
}

TEST_F(MsgFormTest, ColoursAndFontStayUntilChanged) {
    form.font = Font{"Arial", 9, false, false};
    form.text_colour = RGB(10, 20, 30);
    MsgboxA(form, platform, "x", "vbok", RGB(1, 2, 3), 0);
    MsgboxA(form, platform, "x");
    EXPECT_EQ(form.background, RGB(1, 2, 3)) << "-1 keeps the colour set before";
    EXPECT_EQ(form.Label1.back, RGB(1, 2, 3));
    EXPECT_EQ(form.Label1.fore, RGB(10, 20, 30));
    EXPECT_EQ(form.Label1.font, form.font);
    EXPECT_EQ(form.button_colour, 0u) << "0 is a colour, not 'keep'";
    for (const auto& button : form.cmd) {
        EXPECT_EQ(button.BackColor(), 0u);
        EXPECT_EQ(button.GetFont(), form.font);
    }
    MsgboxA(form, platform, "x", "vbok", -2, -1);
    EXPECT_NE(form.background, RGB(1, 2, 3)) << "only -1 keeps";
}

}  // namespace
}  // namespace kalder::testing
