#pragma once

#include "core/appearance/col_pik.h"
#include "web/bridge/json_writer.h"
#include "web/bridge/page_event.h"

namespace kalder::web {

// The colour picker's surface: palette, shade strips, labels and bars.
void write_col_pik(JsonWriter& json, const ColPik& picker);
// "surface" "up" with "x y" in twips as text; "bar" "change" with the channel as index and the
// value as text.
void dispatch_col_pik(ColPik& picker, const PageEvent& event);

}  // namespace kalder::web
