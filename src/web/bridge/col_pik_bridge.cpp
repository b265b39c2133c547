#include "web/bridge/col_pik_bridge.h"

#include <algorithm>

#include "core/files/colour_scheme.h"
#include "web/bridge/system_colours.h"
#include "web/bridge/window_parts.h"

namespace kalder::web {

namespace {

void write_area(JsonWriter& json, const ColPik::Area& area) {
    json.begin_object();
    json.place_fields(area.left, area.top, area.width, area.height);
    json.end_object();
}

void write_strip(JsonWriter& json, const std::array<Colour, ColPik::StripSteps>& strip) {
    json.begin_array();
    for (const Colour colour : strip) json.colour(colour);
    json.end_array();
}

}  // namespace

void write_col_pik(JsonWriter& json, const ColPik& picker) {
    json.begin_object()
        .field("name", ColPik::AccessibleName)
        .field("width", ColPik::Width)
        .field("height", ColPik::Height)
        .field("enabled", picker.Enabled)
        .colour_field("back", picker.BackColor)
        .colour_field("fore", readable_text_on(plain_colour(picker.BackColor)))
        .field("selectedCaption", ColPik::SelectedCaption)
        .colour_field("swatch", picker.Label1_BackColor);
    json.key("captionFont");
    write_font(json, ColPik::CaptionFont);
    json.key("selectedLabel");
    write_area(json, ColPik::Labels[ColPik::SelectedLabel]);
    json.key("swatchLabel");
    write_area(json, ColPik::Labels[ColPik::SwatchLabel]);
    json.key("palette").begin_array();
    for (int n = 0; picker.palette_painted && n < 16; ++n) {
        const ColPik::Box box = ColPik::palette_box(n);
        json.begin_object();
        json.place_fields(box.x1, box.y1, box.x2 + 1 - box.x1, box.y2 + 1 - box.y1);
        json.colour_field("colour", ColPik::Palette[static_cast<std::size_t>(n)]).end_object();
    }
    json.end_array();
    json.key("strips")
        .begin_object()
        .field("left", ColPik::StripLeft)
        .field("blackTop", ColPik::BlackStripTop)
        .field("whiteTop", ColPik::WhiteStripTop)
        .field("height", ColPik::StripHeight);
    json.key("black");
    write_strip(json, picker.black_strip);
    json.key("white");
    write_strip(json, picker.white_strip);
    json.end_object();
    json.key("bars").begin_array();
    for (std::size_t n = 0; n < 3; ++n) {
        json.begin_object()
            .field("name", ColPik::BarNames[n])
            .field("value", picker.bar_value[n])
            .field("caption", picker.degree_caption[n])
            .colour_field("captionColour", ColPik::DegreeColours[n])
            .colour_field("swatch", picker.PicRGB[n]);
        json.place_fields(ColPik::BarLefts[n], ColPik::BarTop, ColPik::BarWidth, ColPik::BarHeight);
        json.key("swatchLabel");
        write_area(json, ColPik::Labels[ColPik::FirstChannelLabel + n]);
        json.key("captionLabel");
        write_area(json, ColPik::Labels[ColPik::FirstValueLabel + n]);
        json.end_object();
    }
    json.end_array().end_object();
}

void dispatch_col_pik(ColPik& picker, const PageEvent& event) {
    if (!picker.Enabled) return;
    if (event.control == "surface" && event.action == "up") {
        MouseEvent mouse = event.mouse();
        int at[2];
        if (read_numbers(event.text, at)) {
            mouse.X = at[0];
            mouse.Y = at[1];
            picker.UserControl_MouseUp(mouse);
        }
    } else if (event.control == "bar" && event.action == "change" && event.index >= 0 &&
               event.index < 3) {
        int value[1];
        if (read_numbers(event.text, value)) {
            picker.set_bar(event.index, std::clamp(value[0], 0, 255));
        }
    }
}

}  // namespace kalder::web
