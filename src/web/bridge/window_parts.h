#pragma once

#include "core/base/font.h"
#include "web/bridge/json_writer.h"

namespace kalder::web {

// A font of the models: name, size in points, bold and italic.
void write_font(JsonWriter& json, const Font& font);

}  // namespace kalder::web
