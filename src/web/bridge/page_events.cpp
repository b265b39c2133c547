#include "web/bridge/page_events.h"

#include "web/bridge/about_bridge.h"
#include "web/bridge/file_dialog_bridge.h"
#include "web/bridge/form1_bridge.h"
#include "web/bridge/form2_bridge.h"
#include "web/bridge/help_bridge.h"
#include "web/bridge/msg_form_bridge.h"
#include "web/bridge/scores_bridge.h"

namespace kalder::web {

namespace {

// The window that holds the page while it is open, as a modal window holds the desktop: the
// message box first, since it opens over the others.
const char* modal_window(const WebWindows& windows) {
    if (windows.form1.msg_form.visible) return "msgbox";
    if (windows.system_message.visible) return "systemMessage";
    if (windows.input_box.visible) return "inputBox";
    if (windows.file_dialog) return "fileDialog";
    if (windows.form1.about_form && windows.form1.about_form->Visible) return "about";
    if (windows.form1.form2.Visible) return "options";
    return nullptr;
}

}  // namespace

void dispatch(WebWindows& windows, const PageEvent& event) {
    const std::string& window = event.window;
    const char* const modal = modal_window(windows);
    if (modal != nullptr && window != modal && window != "page") return;
    if (window == "page") dispatch_page_view(windows.page, event);
    if (window == "form1") dispatch_form1(windows.form1, event);
    if (window == "msgbox") dispatch_msg_form(windows.form1.msg_form, event);
    if (window == "inputBox") dispatch_input_box(windows.input_box, event);
    if (window == "systemMessage") dispatch_system_message(windows.system_message, event);
    if (window == "options") dispatch_form2(windows.form1.form2, event);
    if (window == "about" && windows.form1.about_form) {
        dispatch_about_form(*windows.form1.about_form, event);
    }
    if (window == "help" && windows.form1.help_form)
        dispatch_form4(*windows.form1.help_form, event);
    if (window == "scores") dispatch_scores(windows.form1.Score1, event);
    if (window == "fileDialog") dispatch_file_dialog(windows, event);
}

}  // namespace kalder::web
