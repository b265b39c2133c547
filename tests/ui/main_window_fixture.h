#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <filesystem>
#include <memory>

#include "core/app/form1.h"
#include "ui/app/main_window.h"
#include "ui_test_support.h"

namespace kalder::ui {

// The game's main window over a model started in a test's own folder. Each test puts its
// files in `folder` first and then calls start().
class MainWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Form_Load, then the window, shown and exposed.
    void start();
    QPoint centre_of(int cell) const;
    void click(int cell);

    std::filesystem::path folder;
    TestPlatform platform;
    Random random{7};
    std::unique_ptr<Form1> form;
    std::unique_ptr<MainWindow> window;
};

}  // namespace kalder::ui
