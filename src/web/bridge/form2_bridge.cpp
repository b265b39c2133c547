#include "web/bridge/form2_bridge.h"

#include <array>
#include <charconv>
#include <string>
#include <utility>

#include "core/files/colour_scheme.h"
#include "web/bridge/box_control_bridge.h"
#include "web/bridge/col_pik_bridge.h"
#include "web/bridge/system_colours.h"
#include "web/bridge/window_parts.h"

namespace kalder::web {

namespace {

void write_placed(JsonWriter& json, const Form2::Place& place) {
    json.place_fields(place.left, place.top, place.width, place.height);
}

// The buttons in the order the keyboard meets them.
template <typename Form>
auto buttons_of(Form& form) {
    return std::array{std::pair{"ShowSch", &form.ShowSch},   std::pair{"RepSch", &form.RepSch},
                      std::pair{"DelSch", &form.DelSch},     std::pair{"AddSch", &form.AddSch},
                      std::pair{"Command1", &form.Command1}, std::pair{"Command2", &form.Command2}};
}

}  // namespace

void write_form2(JsonWriter& json, const Form2& form) {
    if (!form.Visible) {
        json.null();
        return;
    }
    const Colour fore = readable_text_on(plain_colour(form.Frame1_BackColor));
    json.begin_object()
        .field("caption", form.Caption)
        .field("width", Form2::ClientWidth)
        .field("height", Form2::ClientHeight)
        .colour_field("back", form.BackColor);
    json.key("frame").begin_object().field("caption", form.Frame1_Caption);
    write_placed(json, Form2::Frame1_Place);
    json.colour_field("back", form.Frame1_BackColor).colour_field("fore", fore).key("font");
    write_font(json, Form2::Frame1_Font);
    json.end_object();

    json.key("list").begin_object().field("name", Form2::List1_Name);
    write_placed(json, Form2::List1_Place);
    json.colour_field("back", form.List1_BackColor)
        .colour_field("fore", readable_text_on(plain_colour(form.List1_BackColor)))
        .field("index", form.ListIndex)
        .key("font");
    write_font(json, Form2::List1_Font);
    json.key("items").begin_array();
    for (const std::string& item : form.List1) json.string(item);
    json.end_array().end_object();

    json.key("contrast").begin_object().field("name", Form2::ContrastV_Name);
    write_placed(json, Form2::ContrastV_Place);
    json.field("value", form.ContrastV)
        .field("min", Form2::ContrastMin)
        .field("max", Form2::ContrastMax)
        .field("step", Form2::ContrastSmallStep)
        .field("page", Form2::ContrastLargeStep)
        .end_object();

    json.key("picker").begin_object();
    write_placed(json, Form2::ColPik1_Place);
    json.key("control");
    write_col_pik(json, form.ColPik1);
    json.end_object();

    json.key("buttons").begin_array();
    for (const auto& [name, button] : buttons_of(form)) {
        json.begin_object().field("name", name).key("control");
        write_box_control(json, *button);
        json.end_object();
    }
    json.end_array().end_object();
}

void dispatch_form2(Form2& form, const PageEvent& event) {
    if (!form.Visible) return;
    const std::string& control = event.control;
    if (control == "List1") {
        if (event.index >= -1 && event.index < static_cast<int>(form.List1.size())) {
            form.ListIndex = event.index;
        }
        if (event.action == "up") form.List1_MouseUp();
    } else if (control == "ContrastV" && event.action == "change") {
        int value = 0;
        const char* const end = event.text.data() + event.text.size();
        const auto [stop, error] = std::from_chars(event.text.data(), end, value);
        if (error == std::errc() && stop == end) form.set_ContrastV(value);
    } else if (control == "surface" || control == "bar") {
        dispatch_col_pik(form.ColPik1, event);
    } else if (control == "frame" && event.action == "close") {
        form.Command2_MouseUp();
    } else {
        for (const auto& [name, button] : buttons_of(form)) {
            if (control == name) dispatch_box_control(*button, event);
        }
    }
}

}  // namespace kalder::web
