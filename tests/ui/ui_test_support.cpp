#include "ui_test_support.h"

#include <QApplication>
#include <QTimer>

namespace kalder::ui {

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
