#include "ui_test_support.h"

#include <unistd.h>
#include <QApplication>
#include <QTimer>
#include <atomic>

namespace kalder::ui {

std::filesystem::path make_test_folder() {
    static std::atomic<int> counter{0};
    auto folder = std::filesystem::temp_directory_path() /
                  ("kalder-ui-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

void when_modal(std::function<void(QWidget&)> act) {
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act = std::move(act), poll] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return QTimer::singleShot(20, *poll);
        act(*modal);
    };
    QTimer::singleShot(20, *poll);
}

void save_screenshot_if_asked(QWidget& widget, const std::string& name) {
    const QByteArray folder = qgetenv("KALDER_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    widget.grab().save(QString::fromUtf8(folder) + "/" + QString::fromStdString(name));
}

}  // namespace kalder::ui
