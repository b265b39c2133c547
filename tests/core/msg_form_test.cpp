#include <gtest/gtest.h>

#include "core/msgbox/msg_form.h"
#include "fake_platform.h"

namespace kalder::testing {
namespace {

using Captions = std::vector<std::string>;

class MsgFormTest : public ::testing::Test {
  protected:
    FakePlatform platform;
    MsgForm form{platform};
};

// No button asked for gives "Ok"; more than three give the first three.
TEST_F(MsgFormTest, ShowsTheButtonsAndIconsOfTheStyle) {
    const struct {
        const char* style;
        Captions captions;
        std::vector<int> icons;
    } cases[] = {
        {"", {"Ok"}, {}},
        {"vbhappy+vbquestion", {"Ok"}, {0, 5}},
        {"vbyesnocancel+vbok+vbabortretryignore", {"Yes", "No", "Cancel"}, {}},
        {"vbok+vbok+vbok+vbok+vbexclamation", {"Ok", "Ok", "Ok"}, {1}},
        {"vbyesno", {"Yes", "No"}, {}},
    };
    for (const auto& c : cases) {
        MsgboxA(form, platform, "Note", c.style);
        EXPECT_EQ(std::tuple(platform.messages.back().buttons, platform.messages.back().icon_slots),
                  std::tuple(c.captions, c.icons))
            << c.style;
    }
    EXPECT_EQ(std::tuple(form.cmd[2].Visible, form.Label1.left), std::tuple(false, 840))
        << "the buttons of the last call are hidden again; the text keeps its indent";
}

// A click answers the code of its button, any mouse button but only a shown button; closing
// from the frame answers the last button shown (never a stale answer, never 0).
TEST_F(MsgFormTest, AnswersTheCodeOfTheButtonOrTheLastShown) {
    const struct {
        const char* style;
        int answer;  // the button code clicked, -1 closes from the frame
        int code;
    } cases[] = {
        {"vbokcancel", -1, 2}, {"vbquestion+vbyesno", 7, 7}, {"vbquestion+vbyesno", 6, 6},
        {"vbyesno", -1, 7},    {"vbyesnocancel", 2, 2},      {"vbabortretryignore", 5, 5},
        {"", -1, 1},           {"vbnormal", 0, 0},           {"vbyesno+vbok+vbcancel", -1, 1},
    };
    for (const auto& c : cases) {
        platform.message_answers = {c.answer};
        EXPECT_EQ(MsgboxA(form, platform, "Sure?", c.style), c.code) << c.style;
        EXPECT_FALSE(form.visible);
    }
    platform.on_message = [this] {
        form.cmd_MouseUp(2, MouseEvent{});
        EXPECT_TRUE(form.visible) << "button 2 is not shown for two buttons";
        form.cmd[1].press(MouseEvent{RightButton, 0, 0, 0});
        form.cmd[1].release(MouseEvent{RightButton, 0, 0, 0});
    };
    EXPECT_EQ(MsgboxA(form, platform, "x", "vbyesno"), 7);
}

// The fake measures 100 twips a character and 200 a line.
TEST_F(MsgFormTest, TheBoxGrowsWithTheTextAndCentresTheButtons) {
    MsgboxA(form, platform, "Hi", "vbok");
    EXPECT_EQ(std::tuple(form.width, form.cmd[0].Left()), std::tuple(2655, (2655 - 885) / 2))
        << "never narrower than three buttons";
    MsgboxA(form, platform, std::string(40, 'x'), "vbyesno");
    EXPECT_EQ(std::tuple(form.Label1.width, form.width, form.cmd[0].Left(), form.cmd[1].Left()),
              std::tuple(4000, 5680, (5680 - 2 * 885) / 2, (5680 - 2 * 885) / 2 + 885));
    MsgboxA(form, platform, "one\r\ntwo\r\nthree", "vbabortretryignore");
    EXPECT_EQ(std::tuple(form.Label1.width, form.Label1.height, form.height),
              std::tuple(500, 3 * 200 + 120, 300 + 720 + 120 + 345 + 600));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(std::tuple(form.cmd[i].Left(), form.cmd[i].Top()), std::tuple(i * 885, 1140));
    }
}

// -1 keeps a colour set before; 0 is a colour (black), not "keep".
TEST_F(MsgFormTest, ColoursAndFontStayUntilChanged) {
    form.font = Font{"Arial", 9, false, false};
    form.text_colour = RGB(10, 20, 30);
    MsgboxA(form, platform, "x", "vbok", RGB(1, 2, 3), 0);
    MsgboxA(form, platform, "x");
    EXPECT_EQ(std::tuple(form.background, form.Label1.back, form.Label1.fore, form.Label1.font),
              std::tuple(RGB(1, 2, 3), RGB(1, 2, 3), RGB(10, 20, 30), form.font));
    for (const auto& button : form.cmd) {
        EXPECT_EQ(std::tuple(button.BackColor(), button.GetFont()), std::tuple(0u, form.font));
    }
    MsgboxA(form, platform, "x", "vbok", -2, -1);
    EXPECT_NE(form.background, RGB(1, 2, 3)) << "only -1 keeps";
}

}  // namespace
}  // namespace kalder::testing
