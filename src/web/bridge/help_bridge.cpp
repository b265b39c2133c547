#include "web/bridge/help_bridge.h"

#include "web/bridge/window_parts.h"

namespace kalder::web {

void write_form4(JsonWriter& json, const Form4* form) {
    if (form == nullptr || !form->Visible) {
        json.null();
        return;
    }
    json.begin_object()
        .field("caption", form->Caption)
        .field("width", form->Width)
        .field("height", form->Height)
        .colour_field("back", form->BackColor);
    json.key("font");
    write_font(json, form->ButtonFont);
    json.key("buttons").begin_array();
    for (const Form4::PushButton& button : form->Command) {
        json.begin_object().field("caption", button.Caption);
        json.place_fields(button.Left, button.Top, button.Width, button.Height);
        json.colour_field("back", button.BackColor)
            .colour_field("fore", button.ForeColor)
            .end_object();
    }
    json.end_array();
    const HelpBrowser& page = form->WebBrowser1;
    json.key("page").begin_object().field("address", page.LocationURL());
    // A number past what a double holds exactly is never reached by a player's clicks.
    json.field("steps", static_cast<long long>(page.steps()));
    json.place_fields(page.Left, page.Top, page.Width, page.Height);
    json.colour_field("text", form->PageText).colour_field("link", form->PageLink).end_object();
    json.end_object();
}

void dispatch_form4(Form4& form, const PageEvent& event) {
    if (!form.Visible) return;
    const std::string& control = event.control;
    if (control == "Command" && event.action == "click") {
        if (event.index == 0) form.Command1_Click();
        if (event.index == 1) form.Command2_Click();
        if (event.index == 2) form.Command3_Click();
    } else if (control == "page" && event.action == "navigate" && !event.text.empty()) {
        form.WebBrowser1.Navigate(event.text);
    } else if (control == "form" && event.action == "activate") {
        form.Form_Activate();
    } else if (control == "form" && event.action == "resize") {
        if (read_size(event.text, form.Width, form.Height)) form.Form_Resize();
    } else if (control == "frame" && event.action == "close") {
        form.Form_Unload();
    }
}

}  // namespace kalder::web
