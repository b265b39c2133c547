#pragma once

#include <string>

#include "core/base/platform.h"

namespace kalder {

// The file-name control: the settings of one Open or Save dialog and GetFileName, which shows
// it through the platform. Only its dialog is ever seen; the control has no face on screen.
class FNDialog {
  public:
    explicit FNDialog(Platform& platform) : platform_(platform) {}

    // Patterns of the dialog's one filter, ";"-separated ("*.kdr;*.txt;*.dat").
    std::string FileTypes;
    // An untouched title is the number 0, which shows as "0".
    std::string title = "0";
    // Label of the filter; the dialog shows it with the patterns in brackets.
    std::string FileTypesName;
    // Folder the dialog opens in.
    std::string DefaultDir;

    // The chosen file's full path, "" when cancelled. "SAVE" in any letter case asks for a
    // file to save; anything else, an empty or blank s too, for a file to open. The working
    // folder is the one it was before, whatever the dialog did with it.
    std::string GetFileName(const std::string& s = "") const;

  private:
    FileNameRequest request(const std::string& s) const;

    Platform& platform_;
};

}  // namespace kalder
