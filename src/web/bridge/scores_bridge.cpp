#include "web/bridge/scores_bridge.h"

#include "core/files/colour_scheme.h"
#include "web/bridge/system_colours.h"
#include "web/bridge/window_parts.h"

namespace kalder::web {

namespace {

void write_caption(JsonWriter& json, const ScoresBox::Caption& caption) {
    json.begin_object().field("text", caption.text).field("rightAligned", caption.right_aligned);
    const ScoresBox::Place& place = caption.place;
    json.place_fields(place.left, place.top, place.width, place.height);
    json.end_object();
}

}  // namespace

void write_scores(JsonWriter& json, const ScoresBox& scores) {
    if (!scores.Visible) {
        json.null();
        return;
    }
    using Box = ScoresBox;
    const Box::Place& frame = Box::Frame1_Place;
    json.begin_object();
    json.place_fields(scores.Left, scores.Top, Box::Width, Box::Height);
    json.colour_field("back", scores.BackColor())
        .colour_field("fore", readable_text_on(plain_colour(scores.BackColor())))
        .field("caption", scores.frame_caption());
    json.key("frame").begin_object();
    json.place_fields(frame.left, frame.top, frame.width, frame.height);
    json.end_object();
    json.key("headings").begin_array();
    for (const Box::Caption& heading : Box::Headings) write_caption(json, heading);
    json.end_array();
    json.key("counters").begin_array();
    for (const int counter : Box::ShownCounters) {
        json.begin_object()
            .field("session", scores.session(counter))
            .field("total", scores.total(counter))
            .field("sessionName", scores.session_name(counter))
            .field("totalName", scores.total_name(counter))
            .field("top", Box::CounterTops[static_cast<std::size_t>(counter)])
            .end_object();
    }
    json.end_array()
        .field("sessionLeft", Box::SessionLeft)
        .field("totalLeft", Box::TotalLeft)
        .field("counterWidth", Box::CounterWidth)
        .field("counterHeight", Box::CounterHeight);
    json.key("buttons").begin_array();
    write_caption(json, Box::Command1_Caption);
    write_caption(json, Box::Command2_Caption);
    json.end_array();
    const std::pair<const char*, const Font*> fonts[] = {{"frameFont", &Box::FrameFont},
                                                         {"headingFont", &Box::HeadingFont},
                                                         {"counterFont", &Box::CounterFont},
                                                         {"buttonFont", &Box::ButtonFont}};
    for (const auto& [name, font] : fonts) {
        json.key(name);
        write_font(json, *font);
    }
    json.end_object();
}

void dispatch_scores(ScoresBox& scores, const PageEvent& event) {
    if (!scores.Visible || event.action != "up") return;
    if (event.control == "Command1") scores.Command1_MouseUp(event.mouse());
    if (event.control == "Command2") scores.Command2_MouseUp(event.mouse());
}

}  // namespace kalder::web
