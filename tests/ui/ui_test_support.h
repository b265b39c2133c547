#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "ui/app/qt_platform.h"

namespace kalder::ui {

// The Qt platform as the installed game sees it, with its folders moved to a test's own folder.
class TestPlatform : public QtPlatform {
  public:
    std::string program_folder_override;
    std::string program_folder() const override { return program_folder_override; }
    std::string working_folder() const override { return program_folder_override; }
    std::string executable_name() const override { return "kalder"; }
};

// Runs act on the next modal window as soon as it is up.
void when_modal(std::function<void(QWidget&)> act);

// Saves a picture of the widget to $KALDER_SCREENSHOT_DIR/name when that variable is set.
void save_screenshot_if_asked(QWidget& widget, const std::string& name);

}  // namespace kalder::ui
