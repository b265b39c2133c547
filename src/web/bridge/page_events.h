#pragma once

#include "web/bridge/page_event.h"
#include "web/bridge/web_windows.h"

namespace kalder::web {

// Hands the event to the window it names; an event for a window or control the page does not
// have is ignored.
void dispatch(WebWindows& windows, const PageEvent& event);

}  // namespace kalder::web
