#include "ui/app/board_view.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

#include "core/app/form1.h"
#include "core/app/move_arrow.h"
#include "core/files/colour_scheme.h"
#include "ui/app/qt_convert.h"
#include "ui/controls/accessible_press.h"
#include "ui/controls/focus_ring.h"

namespace kalder::ui {

// Lies over its cell for assistive technology only: it paints nothing, takes no focus and lets
// the mouse through to the board.
class CellProxy final : public QWidget, public AccessiblePress {
  public:
    CellProxy(BoardView& board, int cell) : QWidget(&board), board_(board), cell_(cell) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }
    void accessible_press() override { board_.press_cell(cell_); }
    bool has_cursor() const override {
        return board_.hasFocus() && board_.keyboard_cell() == cell_;
    }

  private:
    BoardView& board_;
    int cell_;
};

BoardView::BoardView(Form1& form, QWidget* parent)
    : QWidget(parent),
      form_(form),
      arrow_left_(std::make_unique<QSvgRenderer>(QStringLiteral(":/data/icons/arrow_left.svg"))),
      arrow_right_(std::make_unique<QSvgRenderer>(QStringLiteral(":/data/icons/arrow_right.svg"))),
      arrow_up_(std::make_unique<QSvgRenderer>(QStringLiteral(":/data/icons/arrow_up.svg"))),
      arrow_down_(std::make_unique<QSvgRenderer>(QStringLiteral(":/data/icons/arrow_down.svg"))) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Board"));
}

void BoardView::sync_cells() {
    const std::size_t cells = form_.CellD.size() - 1;
    while (cell_proxies_.size() < cells) {
        cell_proxies_.push_back(new CellProxy(*this, static_cast<int>(cell_proxies_.size()) + 1));
    }
    for (std::size_t i = 0; i < cell_proxies_.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        CellProxy* proxy = cell_proxies_[i];
        const bool shown = form_.board.on_board(k) && form_.CellD[k].Visible;
        if (shown) {
            const CellLabel& cell = form_.CellD[k];
            proxy->setGeometry(to_pixels(cell.Left, cell.Top, cell.Width, cell.Height));
            update_accessible_name(*proxy, QString::fromStdString(form_.cell_name(k)));
        }
        proxy->setVisible(shown);
    }
}

void BoardView::press_cell(int cell) {
    if (!form_.board.on_board(cell)) return;
    keyboard_cell_ = cell;
    form_.CellD_MouseUp(cell, MouseEvent{});
    emit model_changed();
}

void BoardView::set_scale(double scale) {
    scale_ = scale;
    update();
}

QRect BoardView::to_pixels(int left, int top, int width, int height) const {
    const double factor = scale_ / TwipsPerPixel;
    const int x = static_cast<int>(std::lround(left * factor));
    const int y = static_cast<int>(std::lround(top * factor));
    return {x, y, static_cast<int>(std::lround((left + width) * factor)) - x,
            static_cast<int>(std::lround((top + height) * factor)) - y};
}

QPoint BoardView::to_pixels(int x, int y) const {
    const double factor = scale_ / TwipsPerPixel;
    return {static_cast<int>(std::lround(x * factor)), static_cast<int>(std::lround(y * factor))};
}

int BoardView::cell_at(const QPointF& position) const {
    for (int k = 1; k <= form_.board.CellCount; ++k) {
        const CellLabel& cell = form_.CellD[k];
        if (cell.Visible &&
            to_pixels(cell.Left, cell.Top, cell.Width, cell.Height).contains(position.toPoint())) {
            return k;
        }
    }
    return 0;
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), to_qcolor(form_.BackColor));
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The shadow square first, so the frame lies over it.
    for (const RectangleShape* shape : {&form_.Shape2, &form_.Shape1}) {
        painter.setPen(QPen(to_qcolor(shape->BorderColor), std::max(1.0, scale_)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(to_pixels(shape->Left, shape->Top, shape->Width, shape->Height));
    }
    paint_cells(painter);
    paint_marks(painter);
}

void BoardView::paint_cells(QPainter& painter) const {
    painter.setFont(to_qfont(Font{"Arial", 15, true, false}, scale_));
    const QColor edge = to_qcolor(cell_edge_on(to_colour(to_qcolor(form_.BackColor))));
    const int edge_width = std::max(1, static_cast<int>(std::lround(scale_)));
    for (int k = 1; k <= form_.board.CellCount; ++k) {
        const CellLabel& cell = form_.CellD[k];
        if (!cell.Visible) continue;
        const QRect box = to_pixels(cell.Left, cell.Top, cell.Width, cell.Height);
        painter.fillRect(box, to_qcolor(cell.BackColor));
        fill_frame(painter, box, edge_width, edge);
        painter.setPen(to_qcolor(cell.ForeColor));
        painter.drawText(box, Qt::AlignCenter, QString::fromStdString(cell.Caption));
        const QRect inside =
            k == keyboard_cell_ && hasFocus() ? paint_cursor_ring(painter, box) : box;
        if (k == form_.SourceCell) paint_giver_mark(painter, inside);
    }
}

// The giver wears a ring in the scheme's colour between a dark and a light line, which reads on
// open and locked cells in every scheme and keeps clear of its value.
void BoardView::paint_giver_mark(QPainter& painter, const QRect& box) const {
    const int ring = std::max(2, static_cast<int>(std::lround(2 * scale_)));
    const QRect outer = box.adjusted(1, 1, -2, -2);
    fill_frame(painter, outer, 1, QColor(0, 0, 0));
    fill_frame(painter, outer.adjusted(1, 1, -1, -1), ring, to_qcolor(form_.GiverRingColor));
    fill_frame(painter, outer.adjusted(ring + 1, ring + 1, -ring - 1, -ring - 1), 1,
               QColor(255, 255, 255));
}

// A solid ring in black or white, whichever stands out more on open cells, with a line of
// the other just inside it, so that it shows on locked cells too.
QRect BoardView::paint_cursor_ring(QPainter& painter, const QRect& box) const {
    const Colour open = to_colour(to_qcolor(form_.open_cell_colour()));
    return paint_focus_ring(painter, box.adjusted(1, 1, -1, -1), open, scale_);
}

void BoardView::paint_marks(QPainter& painter) const {
    if (form_.Line1.Visible) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(
            QPen(to_qcolor(form_.Line1.BorderColor), 2 * scale_, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(to_pixels(form_.Line1.X1, form_.Line1.Y1),
                         to_pixels(form_.Line1.X2, form_.Line1.Y2));
    }
    const std::tuple<const ImageBox*, ArrowDirection, QSvgRenderer*> arrows[] = {
        {&form_.Lft, ArrowDirection::Left, arrow_left_.get()},
        {&form_.Rght, ArrowDirection::Right, arrow_right_.get()},
        {&form_.Up, ArrowDirection::Up, arrow_up_.get()},
        {&form_.Down, ArrowDirection::Down, arrow_down_.get()}};
    for (const auto& [image, direction, renderer] : arrows) {
        if (image->Visible && renderer->isValid()) {
            const TwipRect glyph =
                arrow_glyph(*image, direction, static_cast<int>(Form1::CellSize));
            renderer->render(&painter,
                             QRectF(to_pixels(glyph.left, glyph.top, glyph.width, glyph.height)));
        }
    }
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    pressed_cell_ = cell_at(event->position());
    // Mouse play hides the keyboard cursor; the next arrow key starts from the selection.
    keyboard_cell_ = 0;
    setFocus(Qt::MouseFocusReason);
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    const int cell = cell_at(event->position());
    const int pressed = std::exchange(pressed_cell_, 0);
    if (cell != 0 && cell == pressed) {
        form_.CellD_MouseUp(cell, mouse_event_of(*event, scale_));
    } else if (cell == 0) {
        form_.Form_MouseUp(mouse_event_of(*event, scale_));
    }
    emit model_changed();
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
    const int cell = cell_at(event->position());
    if (cell == 0 || form_.SourceCell < 1) return;
    form_.CellD_MouseMove(cell, mouse_event_of(*event, scale_));
    emit model_changed();
}

// Keyboard play: the arrow keys move a cursor over the cells (the selection line follows it),
// Space or Enter clicks the cell under it, Escape cancels a selection. Keys the number box or
// a button passed on unused (Enter after typing a number) are not board keys.
void BoardView::keyPressEvent(QKeyEvent* event) {
    if (!hasFocus()) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (way_back_key(*event)) {
        emit model_changed();
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            move_keyboard_cell(0, -1);
            break;
        case Qt::Key_Right:
            move_keyboard_cell(0, 1);
            break;
        case Qt::Key_Up:
            move_keyboard_cell(-1, 0);
            break;
        case Qt::Key_Down:
            move_keyboard_cell(1, 0);
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            click_cell(keyboard_cell_);
            break;
        case Qt::Key_Escape:
            form_.Form_MouseUp(MouseEvent{});
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    emit model_changed();
}

// H hints (and Space then plays the hint), Shift+H goes back to the last solvable position,
// Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo, Shift+S and Ctrl+Shift+S play a solution.
bool BoardView::way_back_key(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool shift = modifiers == Qt::ShiftModifier;
    const bool ctrl = modifiers == Qt::ControlModifier;
    const bool ctrl_shift = modifiers == (Qt::ShiftModifier | Qt::ControlModifier);
    switch (event.key()) {
        case Qt::Key_H:
            if (modifiers == Qt::NoModifier) {
                form_.hint();
                if (form_.board.on_board(form_.TargetCell)) keyboard_cell_ = form_.TargetCell;
                return true;
            }
            if (shift) form_.back_to_solvable();
            return shift;
        case Qt::Key_Z:
            if (ctrl) form_.cmdundo_MouseUp(MouseEvent{});
            if (ctrl_shift) form_.redo();
            return ctrl || ctrl_shift;
        case Qt::Key_Y:
            if (ctrl) form_.redo();
            return ctrl;
        case Qt::Key_S:
            if (shift || ctrl_shift) form_.solve_from_here();
            return shift || ctrl_shift;
        default:
            return false;
    }
}

void BoardView::move_keyboard_cell(int row_step, int col_step) {
    const Board& board = form_.board;
    if (board.CellCount == 0) return;
    if (!board.on_board(keyboard_cell_)) {
        keyboard_cell_ =
            form_.SourceCell >= 1 && board.on_board(form_.SourceCell) ? form_.SourceCell : 1;
        return;
    }
    const int row = std::clamp(board.RowOf(keyboard_cell_) + row_step, 1, board.GridSize);
    const int col = std::clamp(board.ColOf(keyboard_cell_) + col_step, 1, board.GridSize);
    // The cursor stays on cells the player can see, as the pointer does.
    const int cell = board.CellAt(row, col);
    if (!form_.CellD[cell].Visible) return;
    keyboard_cell_ = cell;
    form_.CellD_MouseMove(keyboard_cell_, MouseEvent{});
}

void BoardView::click_cell(int cell) {
    if (!form_.board.on_board(cell)) {
        keyboard_cell_ = 1;
        return;
    }
    form_.CellD_MouseUp(cell, MouseEvent{});
}

bool BoardView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int cell = cell_at(help->pos());
        const QString tip =
            cell != 0 ? QString::fromStdString(form_.CellD[cell].ToolTipText) : QString();
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this);
        }
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int before = keyboard_cell_;
        const bool handled = QWidget::event(event);
        if (keyboard_cell_ != before) announce_cursor();
        return handled;
    }
    if (event->type() == QEvent::FocusIn) announce_cursor();
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) update();
    return QWidget::event(event);
}

// A screen reader follows the cursor's cell as it follows the focus.
void BoardView::announce_cursor() {
    if (!hasFocus() || keyboard_cell_ < 1 ||
        static_cast<std::size_t>(keyboard_cell_) > cell_proxies_.size()) {
        return;
    }
    CellProxy* proxy = cell_proxies_[keyboard_cell_ - 1];
    if (proxy->isHidden()) return;
    QAccessibleEvent focus(proxy, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

}  // namespace kalder::ui
