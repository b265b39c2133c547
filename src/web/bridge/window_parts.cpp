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

}  // namespace kalder::web
