#pragma once

#include "core/msgbox/msg_form.h"
#include "web/bridge/json_writer.h"
#include "web/bridge/page_event.h"

namespace kalder::web {

// The styled message box while it shows; null while hidden.
void write_msg_form(JsonWriter& json, const MsgForm& form);
// Its buttons ("cmd" with their index) and its close box ("frame").
void dispatch_msg_form(MsgForm& form, const PageEvent& event);

}  // namespace kalder::web
