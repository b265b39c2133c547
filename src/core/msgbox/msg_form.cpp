#include "core/msgbox/msg_form.h"

#include <algorithm>

#include "core/base/platform.h"
#include "core/msgbox/msg_style.h"

namespace kalder {

MsgForm::MsgForm(const Platform& platform)
    : cmd{BoxControl(platform), BoxControl(platform), BoxControl(platform)}, platform_(&platform) {
    for (int i = 0; i < ButtonCount; ++i) {
        cmd[i].move(0, 0, ButtonWidth, ButtonHeight);
        cmd[i].MouseUp = [this, i](const MouseEvent& event) { cmd_MouseUp(i, event); };
    }
}

void MsgForm::prepare(const std::string& s, const std::string& typ, std::int64_t BGCol,
                      std::int64_t cmdcol) {
    if (BGCol != -1) background = static_cast<Colour>(BGCol);
    if (cmdcol != -1) button_colour = static_cast<Colour>(cmdcol);
    for (auto& button : cmd) button.set_BackColor(button_colour);
    Label1.text = s;
    Label1.back = background;
    Label1.font = font;
    Label1.fore = text_colour;
    for (auto& button : cmd) button.set_Font(font);

    const MsgStyle style = parse_msg_style(typ);
    icons.fill(false);
    last_button_ = -1;
    for (const int slot : style.icon_slots) icons[slot] = true;
    // There are three buttons; a style that asks for more gets the first three.
    for (const auto& button : style.buttons) add_button(button.caption, button.code);
    if (last_button_ == -1) add_button("Ok", 1);
    default_button_ = std::min(static_cast<int>(style.default_button), last_button_);
    layout();
}

void MsgForm::add_button(const std::string& caption, int code) {
    if (last_button_ + 1 >= ButtonCount) return;
    ++last_button_;
    cmd[last_button_].set_Caption(caption);
    cmd_code[last_button_] = code;
}

void MsgForm::layout() {
    const TextExtent text = platform_->measure_text(font, Label1.text);
    Label1.width = text.width;
    width = std::max(2 * Label1.left + Label1.width, ButtonCount * cmd[0].Width());
    Label1.height = text.height + 120;
    const int buttons_top = Label1.top + Label1.height + 120;
    height = buttons_top + cmd[0].Height() + 600;
    const int shown = last_button_ + 1;
    const int first_left = (width - shown * cmd[0].Width()) / 2;
    for (int i = 0; i < ButtonCount; ++i) {
        cmd[i].move(first_left + i * cmd[0].Width(), buttons_top, ButtonWidth, ButtonHeight);
        cmd[i].Visible = i < shown;
    }
}

void MsgForm::cmd_MouseUp(int index, const MouseEvent&) {
    if (index < 0 || index > last_button_) return;
    result = cmd_code[index];
    visible = false;
}

void MsgForm::close_from_frame() {
    result = last_button_ >= 0 ? cmd_code[last_button_] : 0;
    visible = false;
}

int MsgboxA(MsgForm& form, Platform& platform, const std::string& s, const std::string& typ,
            std::int64_t BGCol, std::int64_t cmdcol) {
    form.prepare(s, typ, BGCol, cmdcol);
    form.visible = true;
    platform.show_message_form(form);
    // A window system that returns without a click or a close still gets a fresh answer.
    if (form.visible) form.close_from_frame();
    return form.result;
}

}  // namespace kalder
