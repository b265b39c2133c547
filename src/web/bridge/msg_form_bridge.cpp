#include "web/bridge/msg_form_bridge.h"

#include "web/bridge/box_control_bridge.h"

namespace kalder::web {

namespace {

// The icon each slot shows; later slots have none.
constexpr const char* IconNames[] = {"question", "exclamation", "information", "error",  "critical",
                                     "happy",    "trash",       "print",       "lighton"};

}  // namespace

void write_msg_form(JsonWriter& json, const MsgForm& form) {
    if (!form.visible) {
        json.null();
        return;
    }
    const MsgForm::TextLabel& label = form.Label1;
    json.begin_object()
        .field("title", form.title)
        .field("width", form.width)
        .field("height", form.height)
        .field("defaultButton", form.default_button())
        .colour_field("back", form.background);
    json.key("label")
        .begin_object()
        .field("text", label.text)
        .place_fields(label.left, label.top, label.width, label.height)
        .colour_field("back", label.back)
        .colour_field("fore", label.fore)
        .field("font", label.font.name)
        .field("size", label.font.size)
        .field("bold", label.font.bold)
        .field("italic", label.font.italic)
        .end_object();
    json.key("icons").begin_array();
    for (std::size_t slot = 0; slot < std::size(IconNames); ++slot) {
        if (form.icons[slot]) json.string(IconNames[slot]);
    }
    json.end_array();
    json.key("buttons").begin_array();
    for (const BoxControl& button : form.cmd) write_box_control(json, button);
    json.end_array().end_object();
}

void dispatch_msg_form(MsgForm& form, const PageEvent& event) {
    if (!form.visible) return;
    if (event.control == "frame" && event.action == "close") {
        form.close_from_frame();
    } else if (event.control == "cmd" && event.index >= 0 && event.index < MsgForm::ButtonCount) {
        dispatch_box_control(form.cmd[static_cast<std::size_t>(event.index)], event);
    }
}

}  // namespace kalder::web
