#include "core/msgbox/msg_form.h"
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
    for (int i = 0; i < MsgForm::ButtonCount; ++i) {
        if (form.cmd[i].Visible && (answer == 0 || form.code_of(i) == answer)) {
            form.cmd[i].release(MouseEvent{});
            return;
        }
    }
    ADD_FAILURE() << "scripted answer " << answer << " has no button in \"" << shown.text << '"';
    form.close_from_frame();
}

}  // namespace kalder::testing
