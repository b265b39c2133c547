#include "web/bridge/file_dialog_bridge.h"

namespace kalder::web {

void write_file_dialog(JsonWriter& json, const FileDialogModel* dialog) {
    if (dialog == nullptr || !dialog->open()) {
        json.null();
        return;
    }
    using Model = FileDialogModel;
    const FileNameRequest& request = dialog->request();
    json.begin_object()
        .field("title", request.title)
        .field("save", request.save)
        .field("filter", request.filter_label)
        .field("patterns", request.patterns)
        .field("playerGroup", Model::PlayerGroup)
        .field("shippedGroup", Model::ShippedGroup)
        .field("nameLabel", Model::FileNameLabel)
        .field("confirmCaption", request.save ? Model::SaveCaption : Model::OpenCaption)
        .field("cancelCaption", Model::CancelCaption)
        .field("importCaption", Model::ImportCaption)
        .field("downloadCaption", Model::DownloadCaption)
        .field("selected", dialog->selected())
        .field("fileName", dialog->file_name())
        .field("problem", dialog->problem());
    json.key("entries").begin_array();
    for (const Model::Entry& entry : dialog->entries()) {
        json.begin_object()
            .field("name", entry.name)
            .field("readOnly", entry.read_only)
            .end_object();
    }
    json.end_array();
    json.key("download");
    if (const auto& download = dialog->download()) {
        json.begin_object()
            .field("name", download->name)
            .field("content", download->content)
            .field("serial", download->serial)
            .end_object();
    } else {
        json.null();
    }
    json.end_object();
}

void dispatch_file_dialog(FileDialogModel& dialog, const PageEvent& event) {
    // A download is handed over with the drawing that follows its request, once.
    dialog.clear_download();
    const std::string& control = event.control;
    if (control == "list" && event.action == "select") {
        dialog.select(event.index);
    } else if (control == "list" && event.action == "open") {
        dialog.select(event.index);
        dialog.confirm();
    } else if (control == "name" && event.action == "change") {
        dialog.set_file_name(event.text);
    } else if (control == "confirm") {
        dialog.confirm();
    } else if (control == "cancel" || (control == "frame" && event.action == "close")) {
        dialog.cancel();
    } else if (control == "download") {
        dialog.request_download();
    } else if (control == "import" && event.action == "file") {
        if (const auto file = FileDialogModel::dropped_file(event.text)) {
            dialog.import_file(file->name, file->content);
        }
    }
}

void dispatch_file_dialog(WebWindows& windows, const PageEvent& event) {
    if (windows.file_dialog) {
        dispatch_file_dialog(*windows.file_dialog, event);
        return;
    }
    if (event.control != "import" || event.action != "file") return;
    windows.dropped = FileDialogModel::dropped_file(event.text);
    if (windows.dropped) windows.form1.menu_Click("mnuload");
    windows.dropped.reset();
}

}  // namespace kalder::web
