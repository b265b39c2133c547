#include <gtest/gtest.h>

#include "core/msgbox/msg_form.h"
#include "core/msgbox/msg_style.h"
#include "fake_platform.h"

namespace kalder::testing {
namespace {

using Buttons = std::vector<MsgButtonSpec>;

TEST(MsgStyle, TokensNameIconsAndButtonsInOrder) {
    struct Case {
        const char* style;
        std::vector<int> icons;
        Buttons buttons;
    };
    const Case cases[] = {
        {"vbok", {}, {{"Ok", 1}}},
        {"", {}, {}},
        {"vbquestion+vbyesno", {0}, {{"Yes", 6}, {"No", 7}}},
        {"vbQuestion + vbYesNo", {0}, {{"Yes", 6}, {"No", 7}}},
        {"vbYesNo+vbquestion", {0}, {{"Yes", 6}, {"No", 7}}},
        {"vberror,vbok", {}, {}},
        {"vbok+vbok", {}, {{"Ok", 1}, {"Ok", 1}}},
        {"vbyesno+vbcancel", {}, {{"Yes", 6}, {"No", 7}, {"Cancel", 2}}},
        {"vbno+vbyes", {}, {{"No", 7}, {"Yes", 6}}},
        {"vbnormal", {}, {{"Ok", 0}}},
        {"vbcustom", {10}, {}},
        {"vbhappy+vbtrash", {5, 6}, {}},
        {"vbabortretryignore+vbexclamation", {1}, {{"Abort", 3}, {"Retry", 4}, {"Ignore", 5}}},
        {"vbokcancel+vbretrycancel", {}, {{"Ok", 1}, {"Cancel", 2}, {"Retry", 4}, {"Cancel", 2}}},
        {"+vbinformation++vbprint+vblighton+vbcritical+", {2, 7, 8, 4}, {}},
    };
    for (const Case& c : cases) {
        const MsgStyle style = parse_msg_style(c.style);
        EXPECT_EQ(style.icon_slots, c.icons) << c.style;
        EXPECT_EQ(style.buttons, c.buttons) << c.style;
    }
}

class MsgFormTest : public ::testing::Test {
  protected:
    std::vector<std::string> captions() const {
        std::vector<std::string> result;
        for (const auto& button : form.cmd) {
            if (button.Visible) result.push_back(button.Caption());
        }
        return result;
    }
    FakePlatform platform;
    MsgForm form{platform};
};

TEST_F(MsgFormTest, ReturnsTheCodeOfTheClickedButton) {
    platform.message_answers = {7, 6, 2};
    EXPECT_EQ(MsgboxA(form, platform, "Reset?", "vbquestion+vbyesno"), 7);
    EXPECT_EQ(MsgboxA(form, platform, "Reset?", "vbquestion+vbyesno"), 6);
    EXPECT_EQ(MsgboxA(form, platform, "Go?", "vbyesnocancel"), 2);
    EXPECT_EQ(MsgboxA(form, platform, "Plain"), 1);
    EXPECT_EQ(MsgboxA(form, platform, "Normal", "vbnormal"), 0);
    EXPECT_FALSE(form.visible);
}

TEST_F(MsgFormTest, NoButtonsGiveOneOkAndExtraButtonsAreIgnored) {
    MsgboxA(form, platform, "x", "vberror,vbok");
    EXPECT_EQ(captions(), std::vector<std::string>{"Ok"});
    EXPECT_EQ(form.code_of(0), 1);
    for (bool shown : form.icons) EXPECT_FALSE(shown);

    platform.message_answers = {2};
    EXPECT_EQ(MsgboxA(form, platform, "x", "vbyesnocancel+vbok+vbabortretryignore"), 2);
    EXPECT_EQ(captions(), (std::vector<std::string>{"Yes", "No", "Cancel"}));
}

TEST_F(MsgFormTest, ClosingFromTheFrameCountsAsTheLastButton) {
    platform.message_answers = {6, -1, -1};
    EXPECT_EQ(MsgboxA(form, platform, "Sure?", "vbyesno"), 6);
    EXPECT_EQ(MsgboxA(form, platform, "Sure?", "vbyesno"), 7) << "not the stale 6";
    EXPECT_EQ(MsgboxA(form, platform, "Note", "vbokcancel"), 2);
}

TEST_F(MsgFormTest, LayoutGrowsWithTheTextAndCentresTheButtons) {
    // The fake measures 100 twips a character and 200 a line.
    MsgboxA(form, platform, "Hi", "vbok");
    EXPECT_EQ(form.width, 2655) << "never narrower than three buttons";
    EXPECT_EQ(form.cmd[0].Left(), (2655 - 885) / 2);

    const std::string long_line(40, 'x');
    MsgboxA(form, platform, long_line, "vbyesno");
    EXPECT_EQ(form.width, 4000 + 1680);
    EXPECT_EQ(form.cmd[0].Left(), (5680 - 2 * 885) / 2);
    EXPECT_EQ(form.cmd[1].Left(), form.cmd[0].Left() + 885);

    MsgboxA(form, platform, "one\r\ntwo\r\nthree", "vbabortretryignore");
    EXPECT_EQ(form.Label1.height, 3 * 200 + 120);
    EXPECT_EQ(form.cmd[0].Top(), 300 + 720 + 120);
    EXPECT_EQ(form.height, form.cmd[0].Top() + 345 + 600);
    EXPECT_EQ(form.cmd[0].Left(), 0);
    EXPECT_EQ(form.cmd[2].Left(), 2 * 885);
    EXPECT_EQ(form.Label1.left, 840);
}

TEST_F(MsgFormTest, IconsAndColoursAreKeptAsTheCallsSay) {
    MsgboxA(form, platform, "x", "vbhappy+vbquestion");
    EXPECT_TRUE(form.icons[5]);
    EXPECT_TRUE(form.icons[0]);
    MsgboxA(form, platform, "x", "vbok", RGB(1, 2, 3), 0);
    EXPECT_FALSE(form.icons[5]) << "each call resets the icons";
    MsgboxA(form, platform, "x");
    EXPECT_EQ(form.background, RGB(1, 2, 3)) << "-1 keeps the colour set before";
    EXPECT_EQ(form.Label1.back, RGB(1, 2, 3));
    EXPECT_EQ(form.button_colour, 0u) << "0 is a colour, not 'keep'";
    EXPECT_EQ(form.cmd[0].BackColor(), 0u);
}

}  // namespace
}  // namespace kalder::testing
