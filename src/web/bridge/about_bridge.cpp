#include "web/bridge/about_bridge.h"

#include "web/bridge/box_control_bridge.h"
#include "web/bridge/window_parts.h"

namespace kalder::web {

namespace {

void write_label(JsonWriter& json, const AboutForm::Label& label) {
    json.begin_object().field("caption", label.Caption);
    json.place_fields(label.place.Left, label.place.Top, label.place.Width, label.place.Height);
    json.colour_field("back", label.BackColor).colour_field("fore", label.ForeColor).key("font");
    write_font(json, label.font);
    json.end_object();
}

}  // namespace

void write_about_form(JsonWriter& json, const AboutForm* form) {
    if (form == nullptr || !form->Visible) {
        json.null();
        return;
    }
    json.begin_object()
        .field("caption", form->Caption)
        .field("width", AboutForm::FormWidth)
        .field("height", AboutForm::FormHeight)
        .colour_field("back", form->BackColor);
    json.key("text");
    write_label(json, form->AboutText);
    json.key("version");
    write_label(json, form->Label1);
    const AboutForm::Area& image = form->Image1;
    json.key("image").begin_object();
    json.place_fields(image.Left, image.Top, image.Width, image.Height);
    json.end_object();
    json.key("ok");
    write_box_control(json, form->aboutok);
    json.end_object();
}

void dispatch_about_form(AboutForm& form, const PageEvent& event) {
    if (!form.Visible) return;
    if (event.control == "aboutok") {
        dispatch_box_control(form.aboutok, event);
    } else if (event.control == "AboutText" && event.action == "down") {
        form.AboutText_MouseDown();
    } else if (event.control == "form" && event.action == "key") {
        form.Form_KeyDown(event.index);
    } else if (event.control == "frame" && event.action == "close") {
        form.Form_Unload();
    }
}

}  // namespace kalder::web
