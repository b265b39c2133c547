#include "web/bridge/input_box_bridge.h"

namespace kalder::web {

void InputBoxModel::open(const std::string& prompt_text, const std::string& title_text,
                         const std::string& default_text) {
    visible = true;
    prompt = prompt_text;
    title = title_text;
    text = default_text;
    accepted = false;
}

void write_input_box(JsonWriter& json, const InputBoxModel& box) {
    if (!box.visible) {
        json.null();
        return;
    }
    json.begin_object()
        .field("title", box.title)
        .field("prompt", box.prompt)
        .field("text", box.text)
        .end_object();
}

void dispatch_input_box(InputBoxModel& box, const PageEvent& event) {
    if (!box.visible) return;
    if (event.control == "text" && event.action == "change") {
        box.text = event.text;
    } else if (event.control == "ok" || event.control == "cancel") {
        box.accepted = event.control == "ok";
        box.visible = false;
    }
}

}  // namespace kalder::web
