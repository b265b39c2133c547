#pragma once

#include "core/controls/box_control.h"
#include "web/bridge/json_writer.h"
#include "web/bridge/page_event.h"

namespace kalder::web {

// The program's own push button, wherever it stands: place, look and the caption it paints.
void write_box_control(JsonWriter& json, const BoxControl& button);
// "down" and "up" press and release it with the event's mouse button; "cancel" ends a press
// that gets no release.
void dispatch_box_control(BoxControl& button, const PageEvent& event);

}  // namespace kalder::web
