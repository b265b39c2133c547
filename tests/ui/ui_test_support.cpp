#include "ui_test_support.h"

#include <unistd.h>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <atomic>

#include "ui/controls/box_control_view.h"

namespace kalder::ui {

std::filesystem::path make_test_folder() {
    static std::atomic<int> counter{0};
    auto folder = std::filesystem::temp_directory_path() /
                  ("kalder-ui-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

void answer_next_message_box(QString* seen) {
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [seen, poll] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            QTimer::singleShot(20, *poll);
            return;
        }
        for (const QLabel* label : modal->findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) {
                *seen = label->text();
                break;
            }
        }
        const auto buttons = modal->findChildren<BoxControlView*>();
        for (BoxControlView* button : buttons) {
            if (button->isVisible()) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
    };
    QTimer::singleShot(20, *poll);
}

void save_screenshot_if_asked(QWidget& widget, const std::string& name) {
    const QByteArray folder = qgetenv("KALDER_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    widget.grab().save(QString::fromUtf8(folder) + "/" + QString::fromStdString(name));
}

}  // namespace kalder::ui
