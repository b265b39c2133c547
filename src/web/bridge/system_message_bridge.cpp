#include "web/bridge/system_message_bridge.h"

#include "core/msgbox/msg_style.h"

namespace kalder::web {

void SystemMessageModel::open(const std::string& message, const std::string& caption,
                              const std::string& style) {
    visible = true;
    text = message;
    title = caption;
    buttons.clear();
    const MsgStyle parsed = parse_msg_style(style);
    for (const MsgButtonSpec& spec : parsed.buttons) buttons.push_back({spec.caption, spec.code});
    if (buttons.empty()) buttons.push_back({"OK", 1});
    default_button = parsed.default_button < buttons.size() ? parsed.default_button : 0;
    result = buttons.back().code;
}

void write_system_message(JsonWriter& json, const SystemMessageModel& box) {
    if (!box.visible) {
        json.null();
        return;
    }
    json.begin_object()
        .field("title", box.title)
        .field("text", box.text)
        .field("defaultButton", static_cast<int>(box.default_button));
    json.key("buttons").begin_array();
    for (const auto& button : box.buttons) json.string(button.caption);
    json.end_array().end_object();
}

void dispatch_system_message(SystemMessageModel& box, const PageEvent& event) {
    if (!box.visible) return;
    const auto count = static_cast<int>(box.buttons.size());
    if (event.control == "button" && event.index >= 0 && event.index < count) {
        box.result = box.buttons[static_cast<std::size_t>(event.index)].code;
        box.visible = false;
    } else if (event.control == "frame" && event.action == "close") {
        box.visible = false;
    }
}

}  // namespace kalder::web
