#include "core/controls/fn_dialog.h"

#include <algorithm>
#include <cctype>

namespace kalder {

FileNameRequest FNDialog::request(const std::string& s) const {
    std::string mode = s;
    std::transform(mode.begin(), mode.end(), mode.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    std::string folder = DefaultDir;
    if (folder.empty() || folder.back() != '/') folder += '/';
    return FileNameRequest{mode == "SAVE", FileTypesName + " (" + FileTypes + ")", FileTypes,
                           folder, title};
}

std::string FNDialog::GetFileName(const std::string& s) const {
    const std::string working = platform_.working_folder();
    std::string name = platform_.file_name_dialog(request(s));
    platform_.set_working_folder(working);
    return name;
}

}  // namespace kalder
