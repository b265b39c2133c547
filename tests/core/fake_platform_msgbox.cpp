#include "core/msgbox/msg_form.h"
#include "core/msgbox/msg_style.h"
#include "fake_platform.h"

namespace kalder::testing {

void FakePlatform::show_message_form(MsgForm& form) {
    ShownMessage shown{form.Label1.text, {}, {}};
    for (int i = 0; i < MsgForm::ButtonCount; ++i)
        if (form.cmd[i].Visible) shown.buttons.push_back(form.cmd[i].Caption());
    for (int slot = 0; slot < MsgForm::IconSlots; ++slot)
        if (form.icons[slot]) shown.icon_slots.push_back(slot);
    messages.push_back(shown);
    trace += 'M';
    if (on_message) on_message();
    // The hook may have answered the box itself.
    if (!form.visible) return;

    const int answer = take_answer(message_answers, 0);
    if (answer == -1) return form.close_from_frame();
    if (answer == 0) return form.cmd[form.default_button()].release(MouseEvent{});
    for (int i = 0; i < MsgForm::ButtonCount; ++i) {
        if (form.cmd[i].Visible && form.code_of(i) == answer) {
            form.cmd[i].release(MouseEvent{});
            return;
        }
    }
    ADD_FAILURE() << "scripted answer " << answer << " has no button in \"" << shown.text << '"';
    form.close_from_frame();
}

int FakePlatform::system_message_box(const std::string& text, const std::string&,
                                     const std::string& style) {
    system_messages.push_back(text);
    const MsgStyle parsed = parse_msg_style(style);
    if (parsed.buttons.empty()) return take_answer(system_answers, 1);
    const auto enter = std::min(parsed.default_button, parsed.buttons.size() - 1);
    return take_answer(system_answers, parsed.buttons[enter].code);
}

}  // namespace kalder::testing
