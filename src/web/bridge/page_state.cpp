#include "web/bridge/page_state.h"

#include "web/bridge/form1_bridge.h"
#include "web/bridge/msg_form_bridge.h"

namespace kalder::web {

void write_page_state(JsonWriter& json, const WebWindows& windows) {
    json.begin_object();
    json.key("page");
    write_page_view(json, windows.page);
    json.key("form1");
    write_form1(json, windows.form1);
    json.key("msgbox");
    write_msg_form(json, windows.form1.msg_form);
    json.key("inputBox");
    write_input_box(json, windows.input_box);
    json.key("systemMessage");
    write_system_message(json, windows.system_message);
    json.end_object();
}

}  // namespace kalder::web
