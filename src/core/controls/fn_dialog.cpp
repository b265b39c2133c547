#include "core/controls/fn_dialog.h"

#include "core/base/text_case.h"

namespace kalder {

FileNameRequest FNDialog::request(const std::string& s) const {
    std::string folder = DefaultDir;
    if (folder.empty() || folder.back() != '/') folder += '/';
    return FileNameRequest{lower_case(s) == "save", FileTypesName + " (" + FileTypes + ")",
                           FileTypes, folder, title};
}

std::string FNDialog::GetFileName(const std::string& s) const {
    const std::string working = platform_.working_folder();
    std::string name = platform_.file_name_dialog(request(s));
    platform_.set_working_folder(working);
    return name;
}

}  // namespace kalder
