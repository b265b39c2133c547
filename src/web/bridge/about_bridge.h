#pragma once

#include "core/help/about_form.h"
#include "web/bridge/json_writer.h"
#include "web/bridge/page_event.h"

namespace kalder::web {

// The About box; null while there is none or it is hidden.
void write_about_form(JsonWriter& json, const AboutForm* form);
// "aboutok" "down"/"up"; "AboutText" "down" (a press on the text ends the box); "form" "key"
// with the key code as index; the frame's "close".
void dispatch_about_form(AboutForm& form, const PageEvent& event);

}  // namespace kalder::web
