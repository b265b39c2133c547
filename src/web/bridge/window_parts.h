#pragma once

#include "core/base/font.h"
#include "web/bridge/json_writer.h"

namespace kalder::web {

// The pieces every secondary window's state is made of.
void write_font(JsonWriter& json, const Font& font);
// "left", "top", "width" and "height" in twips, as fields of the object being written.
void write_place(JsonWriter& json, int left, int top, int width, int height);

}  // namespace kalder::web
