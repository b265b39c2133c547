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

// No button asked for gives "Ok", more than three give the first three. A click answers the
// code of its button; closing from the frame answers the last button shown, never a stale
// answer. Only a shown button answers, to any mouse button.
TEST_F(MsgFormTest, ShowsTheStyleAndAnswersTheCodeOfTheButton) {
    const struct {
        const char* style;
        int answer;  // the code clicked, 0 the first button, -1 closes from the frame
        Captions captions;
        std::vector<int> icons;
        int code;
    } cases[] = {
        {"", -1, {"Ok"}, {}, 1},
        {"vbhappy+vbquestion", 0, {"Ok"}, {0, 5}, 1},
        {"vbyesnocancel+vbok+vbexclamation", -1, {"Yes", "No", "Cancel"}, {1}, 2},
        {" vbquestion + vbyesno ", 7, {"Yes", "No"}, {0}, 7},  // blanks around tokens
    };
    for (const auto& c : cases) {
        platform.message_answers = {c.answer};
        EXPECT_EQ(MsgboxA(form, platform, "Sure?", c.style), c.code) << c.style;
        EXPECT_EQ(std::tuple(platform.messages.back().buttons, platform.messages.back().icon_slots,
                             form.visible),
                  std::tuple(c.captions, c.icons, false))
            << c.style;
    }
    EXPECT_EQ(std::tuple(form.cmd[2].Visible, form.Label1.left), std::tuple(false, 840))
        << "the buttons of the last call are hidden again; the text keeps its indent";
    platform.on_message = [this] {
        form.cmd_MouseUp(2, MouseEvent{});
        EXPECT_TRUE(form.visible) << "button 2 is not shown for two buttons";
        form.cmd[1].press(MouseEvent{RightButton, 0, 0, 0});
        form.cmd[1].release(MouseEvent{RightButton, 0, 0, 0});
        EXPECT_FALSE(form.visible) << "the last button shown answers";
    };
    EXPECT_EQ(MsgboxA(form, platform, "x", "vbyesno"), 7);
}

// The box grows with its text (the fake measures 100 twips a character, 200 a line) and
// centres the buttons; its colours and font stay until changed.
TEST_F(MsgFormTest, TheBoxGrowsWithItsTextAndKeepsItsColours) {
    MsgboxA(form, platform, "one\r\n" + std::string(40, 'x') + "\r\nthree", "vbabortretryignore");
    EXPECT_EQ(std::tuple(form.Label1.width, form.Label1.height, form.width, form.height,
                         form.cmd[2].Left(), form.cmd[2].Top()),
              std::tuple(4000, 3 * 200 + 120, 5680, 300 + 720 + 120 + 345 + 600,
                         (5680 - 3 * 885) / 2 + 2 * 885, 1140));
    // -1 keeps a colour set before; 0 is a colour (black), not "keep".
    form.font = Font{"Arial", 9, false, false};
    form.text_colour = RGB(10, 20, 30);
    MsgboxA(form, platform, "x", "vbok", RGB(1, 2, 3), 0);
    MsgboxA(form, platform, "x");
    EXPECT_EQ(std::tuple(form.background, form.Label1.back, form.Label1.fore, form.Label1.font,
                         form.cmd[2].BackColor(), form.cmd[2].GetFont()),
              std::tuple(RGB(1, 2, 3), RGB(1, 2, 3), RGB(10, 20, 30), form.font, 0u, form.font));
    MsgboxA(form, platform, "x", "vbok", -2, -1);
    EXPECT_NE(form.background, RGB(1, 2, 3)) << "only -1 keeps";
}

}  // namespace
}  // namespace kalder::testing
