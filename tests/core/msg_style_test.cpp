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
        {"vbok", {}, {{"Ok", 1}}},
        {"vbokonly", {}, {{"Ok", 1}}},
        {"", {}, {}},
        {"vbquestion+vbyesno", {0}, {{"Yes", 6}, {"No", 7}}},
        {"vbQuestion + vbYesNo", {0}, {{"Yes", 6}, {"No", 7}}},
        {"vbYesNo+vbquestion", {0}, {{"Yes", 6}, {"No", 7}}},
        {"VBOK+VBCRITICAL", {4}, {{"Ok", 1}}},
        {"   vbok   ", {}, {{"Ok", 1}}},
        // Only "+" separates, and only blanks are trimmed.
        {"vberror,vbok", {}, {}},
        {"vbok vbcancel", {}, {}},
        {"\tvbok", {}, {}},
        {"vbok+vbok", {}, {{"Ok", 1}, {"Ok", 1}}},
        {"vbyesno+vbcancel", {}, {{"Yes", 6}, {"No", 7}, {"Cancel", 2}}},
        {"vbyesnocancel", {}, {{"Yes", 6}, {"No", 7}, {"Cancel", 2}}},
        {"vbno+vbyes", {}, {{"No", 7}, {"Yes", 6}}},
        {"vbnormal", {}, {{"Ok", 0}}},
        {"vbcustom", {10}, {}},
        {"vbhappy+vbtrash", {5, 6}, {}},
        {"vbabortretryignore+vbexclamation", {1}, {{"Abort", 3}, {"Retry", 4}, {"Ignore", 5}}},
        {"vbabort+vbretry+vbignore", {}, {{"Abort", 3}, {"Retry", 4}, {"Ignore", 5}}},
        {"vbokcancel+vbretrycancel", {}, {{"Ok", 1}, {"Cancel", 2}, {"Retry", 4}, {"Cancel", 2}}},
        {"+vbinformation++vbprint+vblighton+vbcritical+", {2, 7, 8, 4}, {}},
        {"vbquestion+", {0}, {}},
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
