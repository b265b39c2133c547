#pragma once

#include <optional>

#include "core/app/form1.h"
#include "web/bridge/file_dialog_model.h"
#include "web/bridge/input_box_bridge.h"
#include "web/bridge/page_view.h"
#include "web/bridge/system_message_bridge.h"

namespace kalder::web {

// Every window the page can show: the game's own models and the few the browser adds.
struct WebWindows {
    Form1& form1;
    PageView page;
    InputBoxModel input_box;
    SystemMessageModel system_message;
    // The Open or Save dialog while one is open.
    std::optional<FileDialogModel> file_dialog;
    // A file dropped on the page, brought in by the Load dialog it opens.
    std::optional<FileDialogModel::Dropped> dropped;
};

}  // namespace kalder::web
