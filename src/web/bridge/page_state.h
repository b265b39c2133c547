#pragma once

#include "web/bridge/json_writer.h"
#include "web/bridge/web_windows.h"

namespace kalder::web {

// The whole page as one object, a key per window; a window not shown is null.
void write_page_state(JsonWriter& json, const WebWindows& windows);

}  // namespace kalder::web
