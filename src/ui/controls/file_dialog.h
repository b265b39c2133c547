#pragma once

#include <QFileDialog>

#include "core/base/platform.h"

namespace kalder::ui {

// Sets up Qt's own file dialog (not the desktop's), so that the one filter shows its label as
// given while it lists the files of every ";"-separated pattern; Qt alone would take the
// whole list as one pattern.
void configure_file_dialog(QFileDialog& dialog, const FileNameRequest& request);

}  // namespace kalder::ui
