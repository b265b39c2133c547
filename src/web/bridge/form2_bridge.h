#pragma once

#include "core/appearance/form2.h"
#include "web/bridge/json_writer.h"
#include "web/bridge/page_event.h"

namespace kalder::web {

// The Options dialog; null while hidden.
void write_form2(JsonWriter& json, const Form2& form);
// "List1" "select" (a key moved the selection) or "up" (a click: previews) with the row as
// index; "ContrastV" "change" with the value as text; the six buttons by name; the colour
// picker's "surface" and "bar"; the frame's "close" leaves as Exit does.
void dispatch_form2(Form2& form, const PageEvent& event);

}  // namespace kalder::web
