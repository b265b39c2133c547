#include "ui/app/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <cmath>

#include "core/app/form1.h"
#include "core/app/spoken_names.h"
#include "ui/app/board_view.h"
#include "ui/app/grid_size_label.h"
#include "ui/app/qt_convert.h"
#include "ui/controls/accessible_press.h"
#include "ui/controls/box_control_view.h"
#include "ui/scores/scores_box_view.h"

namespace kalder::ui {

namespace {

// The designed outer height less the frame, title bar and menu bar the old window system
// drew; the width reaches past the grid-size box by the top bar's left margin, so that box is
// never cut off.
constexpr int ClientWidthTwips = 4350 + 480 + 60;
constexpr int ClientHeightTwips = 5400;
// The frame a window manager adds, before the window is shown and its frame known.
const QSize AssumedFrame(10, 40);

PixelSize pixel_size(const QSize& size) {
    return {size.width(), size.height()};
}

}  // namespace

MainWindow::MainWindow(Form1& form)
    : form_(form),
      board_(new BoardView(form, this)),
      puz_num_(new QLineEdit(board_)),
      gsize_(new GridSizeLabel(board_)),
      scores_(new ScoresBoxView(form.Score1, board_)) {
    setWindowTitle(QString::fromStdString(form.Caption));
    // A fixed single border: the board has one size, so there is nothing to maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setCentralWidget(board_);
    build_menus();
    build_top_bar();
    build_tab_order();
    connect(board_, &BoardView::model_changed, this, &MainWindow::sync);
    connect(scores_, &ScoresBoxView::model_changed, this, &MainWindow::sync);
    form_.EndProgram = [this] { close(); };
    menu_font_ = menuBar()->font();
    apply_scale_steps(0);
    qApp->installEventFilter(this);
    // The board's keys (hint, undo, redo, ...) work from the start.
    board_->setFocus();
}

void MainWindow::build_menus() {
    for (const Menu& menu : form_.menus) {
        QMenu* qmenu = menuBar()->addMenu(QString::fromStdString(menu.caption));
        menus_.push_back(qmenu);
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
    // The captions carry no mnemonic marks, so the keys that open the menus are set here:
    // Alt and each menu's initial, and F10 for the first menu.
    const auto open_on = [this](const QKeySequence& keys, QMenu* menu) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                [this, menu] { menuBar()->setActiveAction(menu->menuAction()); });
    };
    for (QMenu* menu : menus_) {
        const QString title = menu->title();
        if (!title.isEmpty())
            open_on(QKeySequence(Qt::ALT | title.at(0).toUpper().unicode()), menu);
    }
    if (!menus_.empty()) open_on(QKeySequence(Qt::Key_F10), menus_.front());
    build_desktop_keys();
}

// The desktop's usual keys for commands the menus and the top bar hold. The menus show no
// shortcut: their entries stay as they are. A command the model has disabled stays so.
void MainWindow::build_desktop_keys() {
    const auto on_key = [this](const QKeySequence& keys, const std::function<void()>& command) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this, command] {
            command();
            sync();
        });
    };
    const auto menu_entry = [this](const std::string& name) {
        return [this, name] {
            for (const auto& [action, entry] : menu_actions_) {
                if (entry == name) action->trigger();
            }
        };
    };
    on_key(QKeySequence(Qt::Key_F1), menu_entry("mnuhelp"));
    on_key(QKeySequence(Qt::CTRL | Qt::Key_Q), menu_entry("mnuexit"));
    on_key(QKeySequence(Qt::CTRL | Qt::Key_N), [this] {
        form_.cmdcreate.press(MouseEvent{LeftButton});
        form_.cmdcreate.release(MouseEvent{LeftButton});
    });
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
    puz_num_->setAccessibleName(QStringLiteral("Puzzle number"));
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

// Tab runs as the eye reads: the top bar left to right, then the board.
void MainWindow::build_tab_order() {
    QWidget* const order[] = {
        buttons_["arrows0"],  buttons_["arrows1"],   buttons_["arrows2"], puz_num_,
        buttons_["cmdreset"], buttons_["cmdcreate"], buttons_["cmdundo"], board_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
}

BoxControlView* MainWindow::button_view(const std::string& name) const {
    const auto found = buttons_.find(name);
    return found == buttons_.end() ? nullptr : found->second;
}

void MainWindow::apply_scale_steps(int steps) {
    scale_steps_ = std::clamp(steps, 0, MaxScaleSteps);
    const double scale = scale_of_steps(scale_steps_);
    board_->set_scale(scale);
    const QRect client = board_->to_pixels(0, 0, ClientWidthTwips, ClientHeightTwips);
    board_->setFixedSize(client.size());
    QFont font = menu_font_;
    font.setPointSizeF(menu_font_.pointSizeF() * scale);
    menuBar()->setFont(font);
    // Popup menus are windows of their own and take no font from the menu bar. The style
    // draws a disabled entry a pixel off, so the widest one gets room for it.
    for (QMenu* menu : menus_) {
        menu->setFont(font);
        menu->setMinimumWidth(0);
        menu->setMinimumWidth(menu->sizeHint().width() + QFontMetrics(font).averageCharWidth());
    }
    sync();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    adjustSize();
    setFixedSize(sizeHint());
    if (on_scaled) on_scaled(scale);
}

// The menu bar's height grows with its font, close enough to in step with the scale.
PixelSize MainWindow::outer_size_at(int steps) const {
    const double scale = scale_of_steps(steps);
    const double now = scale_of_steps(scale_steps_);
    const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : AssumedFrame;
    const QRect client = QRect(0, 0, ClientWidthTwips, ClientHeightTwips);
    const int menu_height =
        static_cast<int>(std::lround(menuBar()->sizeHint().height() * scale / now));
    return {static_cast<int>(std::lround(client.width() * scale / TwipsPerPixel)) + frame.width(),
            static_cast<int>(std::lround(client.height() * scale / TwipsPerPixel)) + menu_height +
                frame.height()};
}

QRect MainWindow::available_area() const {
    const QScreen* shown_on = isVisible() ? screen() : QGuiApplication::primaryScreen();
    return shown_on != nullptr ? shown_on->availableGeometry() : QRect(0, 0, 1024, 768);
}

int MainWindow::screen_fit_steps() const {
    PixelSize room = pixel_size(available_area().size());
    room.height = static_cast<int>(room.height * OpeningHeightShare);
    return fitting_scale_steps([this](int steps) { return outer_size_at(steps); }, room);
}

void MainWindow::open_on_screen(int remembered_offset) {
    const QRect area = available_area();
    fit_steps_ = screen_fit_steps();
    offset_ = remembered_offset;
    apply_scale_steps(fitting_scale_steps([this](int steps) { return outer_size_at(steps); },
                                          pixel_size(area.size()), fit_steps_ + offset_));
    QRect frame(QPoint(0, 0),
                size() + (isVisible() ? frameGeometry().size() - size() : AssumedFrame));
    frame.moveCenter(area.center());
    move(frame.topLeft());
}

void MainWindow::rescale(int steps, bool chosen) {
    const QRect area = available_area();
    const int fitting = fitting_scale_steps([this](int s) { return outer_size_at(s); },
                                            pixel_size(area.size()), std::max(steps, 0));
    const QRect old_frame = frameGeometry();
    apply_scale_steps(fitting);
    const PixelRect placed = place_window(
        {old_frame.x(), old_frame.y(), old_frame.width(), old_frame.height()},
        pixel_size(frameGeometry().size()), {area.x(), area.y(), area.width(), area.height()});
    move(placed.left, placed.top);
    if (chosen) {
        offset_ = scale_steps_ - fit_steps_;
        if (on_scale_chosen) on_scale_chosen(offset_);
    }
}

// Moved to another screen, the window fits that screen, moved by the player's own steps.
void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (QWindow* handle = windowHandle(); handle != nullptr && !screen_tracked_) {
        screen_tracked_ = true;
        connect(handle, &QWindow::screenChanged, this, [this](QScreen*) {
            fit_steps_ = screen_fit_steps();
            rescale(fit_steps_ + offset_, false);
        });
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (on_close) on_close();
}

// Only widgets are watched: the window system's own object sees each key first.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Escape closes the scores panel, as its Close button does, before it reaches the board.
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier &&
        form_.Score1.Visible && static_cast<QWidget*>(watched)->window() == this) {
        form_.Score1.Command1_MouseUp(MouseEvent{LeftButton});
        sync();
        return true;
    }
    if (!(key->modifiers() & Qt::ControlModifier)) return false;
    switch (key->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            rescale(scale_steps_ + 1, true);
            return true;
        case Qt::Key_Minus:
            rescale(scale_steps_ - 1, true);
            return true;
        case Qt::Key_0:
            rescale(fit_steps_, true);
            return true;
        default:
            return false;
    }
}

// The menu bar and its menus in the scheme's colour; a system colour leaves the platform's look.
void MainWindow::paint_menus() {
    if (is_system_colour(form_.MenuBackColor)) {
        menuBar()->setStyleSheet(QString());
        return;
    }
    const QColor back = to_qcolor(form_.MenuBackColor);
    const QColor text = readable_text_qcolor(form_.MenuBackColor);
    // Entries that do nothing yet stay greyed, halfway between the text and the background.
    const QColor greyed((back.red() + text.red()) / 2, (back.green() + text.green()) / 2,
                        (back.blue() + text.blue()) / 2);
    menuBar()->setStyleSheet(
        QStringLiteral("QMenuBar, QMenu { background: %1; color: %2; }"
                       "QMenuBar::item:selected, QMenu::item:selected { background: %3; }"
                       "QMenu::item:disabled { color: %4; }")
            .arg(back.name(), text.name(), back.darker(125).name(), greyed.name()));
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
    gsize_palette.setColor(QPalette::WindowText, to_qcolor(form_.Gsize.ForeColor));
    gsize_->setPalette(gsize_palette);
    gsize_->setText(QString::fromStdString(form_.Gsize.Caption));
    gsize_->setToolTip(QString::fromStdString(form_.grid_size_tip()));
    update_accessible_name(*gsize_, QString::fromStdString(spoken_grid_size(form_.Gsize.Caption)));
    gsize_->set_grade(form_.PuzzleGrade());
    const QString description = QString::fromStdString(form_.grid_size_description());
    if (gsize_->accessibleDescription() != description)
        gsize_->setAccessibleDescription(description);

    scores_->sync(scale);
    for (const auto& [action, name] : menu_actions_) {
        for (const Menu& menu : form_.menus) {
            for (const MenuItem& item : menu.items) {
                if (item.name == name) action->setEnabled(item.enabled);
            }
        }
    }
    paint_menus();
    board_->sync_cells();
    board_->update();
}

}  // namespace kalder::ui
