#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kalder {

struct MsgButtonSpec {
    std::string caption;
    int code;
    bool operator==(const MsgButtonSpec&) const = default;
};

// What a style string such as "vbquestion+vbyesno" asks for: the icon slots to show, the
// buttons, left to right, in the order their tokens come, and the one Enter presses
// ("vbdefaultbutton2" names the second).
struct MsgStyle {
    std::vector<int> icon_slots;
    std::vector<MsgButtonSpec> buttons;
    std::size_t default_button = 0;
};

// Tokens are separated by "+" only, trimmed of blanks and compared without letter case;
// unknown pieces are skipped.
MsgStyle parse_msg_style(std::string_view style);

}  // namespace kalder
