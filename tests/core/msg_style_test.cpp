#include <gtest/gtest.h>

#include "core/msgbox/msg_style.h"

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
        {"", {}, {}},
        {"VBQuestion + vbYesNo", {0}, {{"Yes", 6}, {"No", 7}}},
        {"   vbok+vbokonly   ", {}, {{"Ok", 1}, {"Ok", 1}}},
        // Only "+" separates, and only blanks are trimmed.
        {"vberror,vbok", {}, {}},
        {"vbok vbcancel", {}, {}},
        {"\tvbok", {}, {}},
        {"vbno+vbyes", {}, {{"No", 7}, {"Yes", 6}}},
        {"vbnormal", {}, {{"Ok", 0}}},
        {"vbcustom+vbhappy+vbtrash", {10, 5, 6}, {}},
        {"vbabortretryignore+vbexclamation", {1}, {{"Abort", 3}, {"Retry", 4}, {"Ignore", 5}}},
        {"vbokcancel+vbretrycancel", {}, {{"Ok", 1}, {"Cancel", 2}, {"Retry", 4}, {"Cancel", 2}}},
        {"+vbinformation++vbprint+vblighton+vbcritical+", {2, 7, 8, 4}, {}},
        {"vbokk+vbquestions+ok+yes", {}, {}},
    };
    for (const Case& c : cases) {
        const MsgStyle style = parse_msg_style(c.style);
        EXPECT_EQ(style.icon_slots, c.icons) << '"' << c.style << '"';
        EXPECT_EQ(style.buttons, c.buttons) << '"' << c.style << '"';
    }
}

}  // namespace
}  // namespace kalder::testing
