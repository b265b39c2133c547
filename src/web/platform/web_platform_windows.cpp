#include "web/platform/web_platform.h"

// The secondary windows of the page: Options, Help, About and the file dialog.

namespace kalder::web {

void WebPlatform::show_options_form(Form2&) {}

void WebPlatform::show_help_form(Form4&) {}

void WebPlatform::show_about_form(AboutForm&) {}

void WebPlatform::close_other_windows() {}

std::string WebPlatform::file_name_dialog(const FileNameRequest&) {
    return "";
}

}  // namespace kalder::web
