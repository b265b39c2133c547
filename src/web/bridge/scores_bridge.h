#pragma once

#include "core/scores/scores_box.h"
#include "web/bridge/json_writer.h"
#include "web/bridge/page_event.h"

namespace kalder::web {

// The scores panel over the board; null while hidden.
void write_scores(JsonWriter& json, const ScoresBox& scores);
// "Command1" (Close) and "Command2" (Clear) "up" with the mouse button.
void dispatch_scores(ScoresBox& scores, const PageEvent& event);

}  // namespace kalder::web
