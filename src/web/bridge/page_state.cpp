#include "web/bridge/page_state.h"

#include "web/bridge/about_bridge.h"
#include "web/bridge/file_dialog_bridge.h"
#include "web/bridge/form1_bridge.h"
#include "web/bridge/form2_bridge.h"
#include "web/bridge/help_bridge.h"
#include "web/bridge/msg_form_bridge.h"
#include "web/bridge/scores_bridge.h"

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
    json.key("options");
    write_form2(json, windows.form1.form2);
    json.key("about");
    write_about_form(json, windows.form1.about_form.get());
    json.key("help");
    write_form4(json, windows.form1.help_form.get());
    json.key("scores");
    write_scores(json, windows.form1.Score1);
    json.key("fileDialog");
    write_file_dialog(json, windows.file_dialog ? &*windows.file_dialog : nullptr);
    json.end_object();
}

}  // namespace kalder::web
