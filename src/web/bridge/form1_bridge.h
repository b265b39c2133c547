#pragma once

#include "core/app/form1.h"
#include "web/bridge/json_writer.h"
#include "web/bridge/page_event.h"

namespace kalder::web {

// The main window: board, marks, top bar and menus.
void write_form1(JsonWriter& json, const Form1& form);
// Clicks on cells, the board, the top bar and the menus, the number box's keys and the board's
// own keys (hint, way back, undo, redo, solve).
void dispatch_form1(Form1& form, const PageEvent& event);

}  // namespace kalder::web
