#include "web/bridge/window_parts.h"

namespace kalder::web {

void write_font(JsonWriter& json, const Font& font) {
    json.begin_object()
        .field("name", font.name)
        .field("size", font.size)
        .field("bold", font.bold)
        .field("italic", font.italic)
        .end_object();
}

void write_place(JsonWriter& json, int left, int top, int width, int height) {
    json.field("left", left).field("top", top).field("width", width).field("height", height);
}

}  // namespace kalder::web
