#pragma once

#include "core/help/form4.h"
#include "web/bridge/json_writer.h"
#include "web/bridge/page_event.h"

namespace kalder::web {

// The help window beside the game; null while there is none or it is hidden.
void write_form4(JsonWriter& json, const Form4* form);
// "Command" "click" with 0 Back, 1 Forward, 2 Exit as index; "page" "navigate" with the
// address of a link followed in the page; "form" "activate"; "form" "resize" with "width
// height" in twips; the frame's "close".
void dispatch_form4(Form4& form, const PageEvent& event);

}  // namespace kalder::web
