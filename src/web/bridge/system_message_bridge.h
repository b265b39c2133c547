#pragma once

#include <string>
#include <vector>

#include "web/bridge/json_writer.h"
#include "web/bridge/page_event.h"

namespace kalder::web {

// The system's own message box: the text and a button per code its style names.
struct SystemMessageModel {
    struct Button {
        std::string caption;
        int code = 1;
    };
    bool visible = false;
    std::string text;
    std::string title;
    std::vector<Button> buttons;
    // The button Enter chooses when the box opens.
    std::size_t default_button = 0;
    int result = 0;

    void open(const std::string& message, const std::string& caption, const std::string& style);
};

void write_system_message(JsonWriter& json, const SystemMessageModel& box);
// "button" with its index answers; "frame" "close" is the last button, as a refusal.
void dispatch_system_message(SystemMessageModel& box, const PageEvent& event);

}  // namespace kalder::web
