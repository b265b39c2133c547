#include <utility>

#include "core/app/form1.h"
#include "web/platform/storage.h"
#include "web/platform/web_platform.h"

// The secondary windows of the page: Options, Help, About and the file dialog, each drawn by
// the page from its model. The modal ones are the game's loop nested until they close.

namespace kalder::web {

void WebPlatform::show_options_form(Form2& form) {
    form.Visible = true;
    form.Form_Activate();
    while (form.Visible) wait_for_events();
}

// Shown is activated: the page from its start, in the scheme's colours.
void WebPlatform::show_help_form(Form4& form) {
    form.Form_Activate();
}

void WebPlatform::show_about_form(AboutForm& form) {
    form.Form_Activate();
    while (form.Visible) wait_for_events();
}

// The others are modal: only the help window can be open beside the game.
void WebPlatform::close_other_windows() {
    if (windows_ == nullptr) return;
    if (Form4* help = windows_->form1.help_form.get()) help->Form_Unload();
}

// Over the player's files and the shipped ones; a file dropped on the page that opened this
// dialog comes in chosen.
std::string WebPlatform::file_name_dialog(const FileNameRequest& request) {
    if (windows_ == nullptr) return "";
    FileDialogModel& dialog =
        windows_->file_dialog.emplace(request, storage::user_folder(), storage::ProgramFolder);
    if (const auto dropped = std::exchange(windows_->dropped, std::nullopt)) {
        dialog.import_file(dropped->name, dropped->content);
    }
    while (dialog.open()) wait_for_events();
    const std::string chosen = dialog.result();
    windows_->file_dialog.reset();
    return chosen;
}

}  // namespace kalder::web
