#include "web/bridge/box_control_bridge.h"

#include "web/bridge/window_parts.h"

namespace kalder::web {

void write_box_control(JsonWriter& json, const BoxControl& button) {
    const BoxPainting& paint = button.painting();
    json.begin_object()
        .place_fields(button.Left(), button.Top(), button.Width(), button.Height())
        .field("visible", button.Visible)
        .field("enabled", button.Enabled())
        .field("tip", button.ToolTipText)
        .field("pressed", button.BorderStyle() == 1)
        .colour_field("back", paint.back)
        .field("caption", paint.caption)
        .colour_field("fore", paint.fore)
        .field("captionX", paint.caption_x)
        .field("captionY", paint.caption_y)
        .field("picture", paint.picture)
        .field("pictureX", paint.picture_x)
        .field("pictureY", paint.picture_y)
        .field("pictureWidth", paint.picture_width)
        .field("pictureHeight", paint.picture_height);
    json.key("font");
    write_font(json, paint.font);
    json.key("edges").begin_array();
    for (const EdgeLine& edge : paint.edges) {
        json.begin_object()
            .line_fields(edge.x1, edge.y1, edge.x2, edge.y2)
            .colour_field("colour", edge.colour)
            .end_object();
    }
    json.end_array().end_object();
}

void dispatch_box_control(BoxControl& button, const PageEvent& event) {
    if (event.action == "down") {
        button.press(event.mouse());
    } else if (event.action == "up") {
        button.release(event.mouse());
    } else if (event.action == "cancel") {
        button.cancel_press();
    }
}

}  // namespace kalder::web
