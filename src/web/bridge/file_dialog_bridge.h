#pragma once

#include "web/bridge/file_dialog_model.h"
#include "web/bridge/json_writer.h"
#include "web/bridge/page_event.h"
#include "web/bridge/web_windows.h"

namespace kalder::web {

// null while no dialog is open.
void write_file_dialog(JsonWriter& json, const FileDialogModel* dialog);
// "list" "select" / "open" with the entry's index; "name" "change" with the text; "confirm",
// "cancel" (the frame's close too), "download" "click"; "import" "file" with the file's name,
// a tab and its content as text.
void dispatch_file_dialog(FileDialogModel& dialog, const PageEvent& event);
// The open dialog's events; a file dropped on the page while none is open opens the Load
// command's dialog with the file brought in and chosen.
void dispatch_file_dialog(WebWindows& windows, const PageEvent& event);

}  // namespace kalder::web
