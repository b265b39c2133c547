#include "ui/app/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTime>
#include <cmath>
#include <ctime>
#include <utility>

#include "core/base/data_folder.h"
#include "core/help/about_form.h"
#include "core/msgbox/msg_style.h"
#include "ui/app/accessibility.h"
#include "ui/app/qt_convert.h"
#include "ui/app/scaled_style.h"
#include "ui/app/scaled_window.h"
#include "ui/appearance/form2_view.h"
#include "ui/controls/file_dialog.h"
#include "ui/help/about_form_view.h"
#include "ui/help/form4_view.h"
#include "ui/msgbox/msg_form_view.h"

namespace kalder::ui {

// Every window the game opens goes through here, the first message box before the main window.
QtPlatform::QtPlatform() {
    install_accessibility();
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (auto tick = std::exchange(on_tick_, nullptr)) tick();
    });
}

void QtPlatform::render() const {
    if (render_) render_();
}

void QtPlatform::set_scale(double scale) {
    scale_ = scale;
    ScaledStyle::apply(scale);
    if (parent_ == nullptr) return;
    for (QWidget* window : parent_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        auto* scaled = dynamic_cast<ScaledWindow*>(window);
        if (scaled != nullptr && window->isVisible()) {
            show_scaled(*window, *scaled, scale, Placement::Centred, *parent_->window());
        }
    }
    if (standard_dialog_ != nullptr && standard_dialog_->isVisible()) {
        show_scaled_standard(*standard_dialog_, scale, *parent_->window());
    }
}

int QtPlatform::exec_scaled(QDialog& dialog) {
    if (look_) paint_in_look(dialog, look_());
    if (parent_ != nullptr) show_scaled_standard(dialog, scale_, *parent_->window());
    standard_dialog_ = &dialog;
    return dialog.exec();
}

void QtPlatform::show_message_form(MsgForm& form) {
    render();
    show_msg_form_modal(form, parent_, scale_);
}

int QtPlatform::system_message_box(const std::string& text, const std::string& title,
                                   const std::string& style) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::NoButton, parent_);
    std::vector<std::pair<QAbstractButton*, int>> buttons;
    const MsgStyle parsed = parse_msg_style(style);
    for (const auto& button : parsed.buttons) {
        const auto role = button.code == 2 || button.code == 7 ? QMessageBox::RejectRole
                                                               : QMessageBox::AcceptRole;
        buttons.emplace_back(box.addButton(QString::fromStdString(button.caption), role),
                             button.code);
    }
    if (buttons.empty()) buttons.emplace_back(box.addButton(QMessageBox::Ok), 1);
    if (parsed.default_button < buttons.size()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons[parsed.default_button].first));
    }
    exec_scaled(box);
    for (const auto& [widget, code] : buttons) {
        if (box.clickedButton() == widget) return code;
    }
    return buttons.back().second;
}

void QtPlatform::show_help_form(Form4& form) {
    render();
    if (help_view_ == nullptr || &help_view_->form() != &form) {
        help_view_ = new Form4View(form, parent_);
    }
    if (parent_ != nullptr && !help_view_->isVisible()) {
        show_scaled(*help_view_, *help_view_, scale_, Placement::Beside, *parent_->window());
    }
    help_view_->sync();
    help_view_->raise();
    help_view_->activateWindow();
}

void QtPlatform::show_about_form(AboutForm& form) {
    render();
    if (about_view_ == nullptr || &about_view_->form() != &form) {
        delete about_view_;
        about_view_ = new AboutFormView(form, parent_);
    }
    if (parent_ != nullptr) {
        show_scaled(*about_view_, *about_view_, scale_, Placement::Centred, *parent_->window());
    }
    about_view_->run();
    // Ended rather than hidden: the next About makes a new box.
    if (!form.Loaded) about_view_->deleteLater();
}

// Each closes as from its frame, so the help window's model hears of it.
void QtPlatform::close_other_windows() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != parent_ && window->isVisible()) window->close();
    }
}

void QtPlatform::show_options_form(Form2& form) {
    render();
    show_form2_modal(
        form, parent_, [this] { render(); }, scale_);
}

// The window system's colours are the application palette's, as the views paint them.
Colour QtPlatform::translate_colour(Colour colour) const {
    constexpr Colour LastSystemColour = 0x80000018u;
    if (!is_system_colour(colour)) return colour;
    return colour <= LastSystemColour ? to_colour(to_qcolor(colour)) : 0;
}

std::string QtPlatform::input_box(const std::string& prompt, const std::string& title,
                                  const std::string& default_text) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(QString::fromStdString(prompt));
    dialog.setTextValue(QString::fromStdString(default_text));
    return exec_scaled(dialog) == QDialog::Accepted ? dialog.textValue().toStdString()
                                                    : std::string();
}

std::string QtPlatform::file_name_dialog(const FileNameRequest& request) {
    render();
    QFileDialog dialog(parent_);
    configure_file_dialog(dialog, request);
    if (exec_scaled(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "";
    return dialog.selectedFiles().constFirst().toStdString();
}

void QtPlatform::start_timer(int ms, std::function<void()> on_tick) {
    on_tick_ = std::move(on_tick);
    timer_.start(std::max(ms, 0));
}

void QtPlatform::wait_for_events() {
    render();
    ++wait_depth_;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    --wait_depth_;
}

void QtPlatform::process_events() {
    render();
    QCoreApplication::processEvents();
}

void QtPlatform::set_busy_pointer(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

TextExtent QtPlatform::measure_text(const Font& font, const std::string& text) const {
    const QFontMetricsF metrics(to_qfont(font));
    const QStringList lines = QString::fromStdString(text).remove('\r').split('\n');
    double widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    return {static_cast<int>(std::lround(widest * TwipsPerPixel)),
            static_cast<int>(std::lround(metrics.height() * lines.size() * TwipsPerPixel))};
}

double QtPlatform::seconds_since_midnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

std::tm QtPlatform::local_time() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string QtPlatform::program_folder() const {
    return with_trailing_slash(QCoreApplication::applicationDirPath().toStdString());
}

std::string QtPlatform::executable_name() const {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}

std::string QtPlatform::working_folder() const {
    // Started from "/", the folder already ends in its separator.
    return with_trailing_slash(QDir::currentPath().toStdString());
}

// A probe file tells what permission bits cannot: a read-only mount refuses it too.
bool QtPlatform::folder_writable(const std::string& folder) const {
    QTemporaryFile probe(QString::fromStdString(folder) + QStringLiteral(".kalder-probe-XXXXXX"));
    return probe.open();
}

std::string QtPlatform::user_data_folder() const {
    return with_trailing_slash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                                   .toStdString()) +
           "kalder/";
}

void QtPlatform::set_working_folder(const std::string& folder) {
    QDir::setCurrent(QString::fromStdString(folder));
}

}  // namespace kalder::ui
