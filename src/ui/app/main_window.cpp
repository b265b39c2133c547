#include "ui/app/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>

#include "core/app/form1.h"
#include "ui/app/board_view.h"
#include "ui/app/qt_convert.h"
#include "ui/controls/box_control_view.h"
#include "ui/scores/scores_box_view.h"

namespace kalder::ui {

namespace {

// The designed outer size less the frame and title bar the old window system drew.
constexpr int ClientWidthTwips = Form1::DesignWidth - 120;
constexpr int ClientHeightTwips = 5400;
constexpr double MinScale = 1.0;
constexpr double MaxScale = 3.0;

}  // namespace

MainWindow::MainWindow(Form1& form)
    : form_(form),
      board_(new BoardView(form, this)),
      puz_num_(new QLineEdit(board_)),
      gsize_(new QLabel(board_)),
      scores_(new ScoresBoxView(form.Score1, board_)) {
    setWindowTitle(QString::fromStdString(form.Caption));
    // A fixed single border: the board has one size, so there is nothing to maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setCentralWidget(board_);
    build_menus();
    build_top_bar();
    connect(board_, &BoardView::model_changed, this, &MainWindow::sync);
    connect(scores_, &ScoresBoxView::model_changed, this, &MainWindow::sync);
    form_.EndProgram = [this] { close(); };
    apply_scale(1.0);
    sync();
    centre_on_screen();
    // The board's keys (hint, undo, redo, ...) work from the start.
    board_->setFocus();
}

void MainWindow::build_menus() {
    for (const Menu& menu : form_.menus) {
        QMenu* qmenu = menuBar()->addMenu(QString::fromStdString(menu.caption));
        for (const MenuItem& item : menu.items) {
            if (item.caption == "-") {
                qmenu->addSeparator();
                continue;
            }
            QAction* action = qmenu->addAction(QString::fromStdString(item.caption));
            menu_actions_.emplace_back(action, item.name);
            connect(action, &QAction::triggered, this, [this, name = item.name] {
                form_.menu_Click(name);
                sync();
            });
        }
    }
}

void MainWindow::build_top_bar() {
    const std::pair<std::string, BoxControl*> buttons[] = {
        {"arrows0", &form_.arrows[0]},   {"arrows1", &form_.arrows[1]},
        {"arrows2", &form_.arrows[2]},   {"cmdreset", &form_.cmdreset},
        {"cmdcreate", &form_.cmdcreate}, {"cmdundo", &form_.cmdundo}};
    for (const auto& [name, model] : buttons) {
        auto* view = new BoxControlView(*model, board_);
        connect(view, &BoxControlView::released, this, &MainWindow::sync);
        buttons_[name] = view;
    }
    puz_num_->setAlignment(Qt::AlignCenter);
    puz_num_->setToolTip(QString());
    connect(puz_num_, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.PuzNum.Text = text.toStdString(); });
    connect(puz_num_, &QLineEdit::returnPressed, this, [this] {
        form_.PuzNum_KeyPress(13);
        sync();
    });
    gsize_->setAlignment(Qt::AlignCenter);
    gsize_->setAutoFillBackground(true);
}

BoxControlView* MainWindow::button_view(const std::string& name) const {
    const auto found = buttons_.find(name);
    return found == buttons_.end() ? nullptr : found->second;
}

void MainWindow::apply_scale(double scale) {
    board_->set_scale(std::clamp(scale, MinScale, MaxScale));
    const QRect client = board_->to_pixels(0, 0, ClientWidthTwips, ClientHeightTwips);
    board_->setFixedSize(client.size());
    sync();
    adjustSize();
    setFixedSize(sizeHint());
}

void MainWindow::centre_on_screen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (on_close) on_close();
}

// Ctrl + and Ctrl - scale the whole window, Ctrl 0 goes back to the designed size.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        const double scale = board_->scale();
        switch (event->key()) {
            case Qt::Key_Plus:
            case Qt::Key_Equal:
                apply_scale(scale + 0.25);
                return;
            case Qt::Key_Minus:
                apply_scale(scale - 0.25);
                return;
            case Qt::Key_0:
                apply_scale(1.0);
                return;
            default:
                break;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::sync() {
    const double scale = board_->scale();
    for (auto& [name, view] : buttons_) view->sync(scale);
    const QRect puz_rect = board_->to_pixels(1260, 60, 1875, 370);
    puz_num_->setGeometry(puz_rect);
    puz_num_->setFont(to_qfont(Font{"Courier New", 9.75, false, false}, scale));
    QPalette puz_palette = puz_num_->palette();
    puz_palette.setColor(QPalette::Base, to_qcolor(form_.open_cell_colour()));
    puz_palette.setColor(QPalette::Text, QColor(0, 0, 0));
    puz_num_->setPalette(puz_palette);
    const QString puz_text = QString::fromStdString(form_.PuzNum.Text);
    if (puz_num_->text() != puz_text) puz_num_->setText(puz_text);
    puz_num_->setToolTip(QString::fromStdString(form_.PuzNum.ToolTipText));

    gsize_->setGeometry(board_->to_pixels(4350, 60, 480, 390));
    gsize_->setFont(to_qfont(Font{"Arial", 12, true, false}, scale));
    QPalette gsize_palette = gsize_->palette();
    gsize_palette.setColor(QPalette::Window, to_qcolor(form_.Gsize.BackColor));
    gsize_palette.setColor(QPalette::WindowText, Qt::white);
    gsize_->setPalette(gsize_palette);
    gsize_->setText(QString::fromStdString(form_.Gsize.Caption));
    gsize_->setToolTip(QString::fromStdString(form_.Gsize.ToolTipText));

    scores_->sync(scale);
    for (const auto& [action, name] : menu_actions_) {
        for (const Menu& menu : form_.menus) {
            for (const MenuItem& item : menu.items) {
                if (item.name == name) action->setEnabled(item.enabled);
            }
        }
    }
    const QColor menu_colour = to_qcolor(form_.ColourTable[3]);
    menuBar()->setStyleSheet(QStringLiteral("QMenuBar { background: %1; color: white; }"
                                            "QMenuBar::item:selected { background: %2; }")
                                 .arg(menu_colour.name(), menu_colour.lighter(140).name()));
    board_->update();
}

}  // namespace kalder::ui
