#pragma once

#include <string>

#include "web/bridge/json_writer.h"
#include "web/bridge/page_event.h"

namespace kalder::web {

// The text input box the game asks with (Create's size prompt): open until OK or Cancel.
struct InputBoxModel {
    bool visible = false;
    std::string prompt;
    std::string title;
    std::string text;
    bool accepted = false;

    void open(const std::string& prompt_text, const std::string& title_text,
              const std::string& default_text);
};

void write_input_box(JsonWriter& json, const InputBoxModel& box);
// "text" "change" keeps the typed text; "ok" and "cancel" (and Escape, sent as "cancel")
// close it.
void dispatch_input_box(InputBoxModel& box, const PageEvent& event);

}  // namespace kalder::web
