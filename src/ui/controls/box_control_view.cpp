#include "ui/controls/box_control_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <utility>

#include "core/controls/box_control.h"
#include "ui/app/qt_convert.h"
#include "ui/controls/focus_ring.h"

namespace kalder::ui {

namespace {

// The mouse button a key stands for: Space and Enter the left one, with Shift, or the Menu
// key, the right one; NoButton for any other key.
int button_of_key(const QKeyEvent& event) {
    if (event.isAutoRepeat()) return NoButton;
    if (event.key() == Qt::Key_Menu) return RightButton;
    if (event.key() != Qt::Key_Space && event.key() != Qt::Key_Return &&
        event.key() != Qt::Key_Enter) {
        return NoButton;
    }
    return event.modifiers() & Qt::ShiftModifier ? RightButton : LeftButton;
}

}  // namespace

BoxControlView::BoxControlView(BoxControl& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    setFocusPolicy(Qt::TabFocus);
}

void BoxControlView::sync(double scale) {
    scale_ = scale;
    const double factor = scale / TwipsPerPixel;
    setGeometry(static_cast<int>(std::lround(model_.Left() * factor)),
                static_cast<int>(std::lround(model_.Top() * factor)),
                static_cast<int>(std::lround(model_.Width() * factor)),
                static_cast<int>(std::lround(model_.Height() * factor)));
    setVisible(model_.Visible);
    setEnabled(model_.Enabled());
    setToolTip(QString::fromStdString(model_.ToolTipText));
    update_accessible_name(
        *this,
        QString::fromStdString(model_.ToolTipText.empty() ? model_.Caption() : model_.ToolTipText));
    update();
}

void BoxControlView::paintEvent(QPaintEvent*) {
    const BoxPainting& painting = model_.painting();
    const double factor = scale_ / TwipsPerPixel;
    QPainter painter(this);
    painter.fillRect(rect(), to_qcolor(painting.back));
    if (!painting.caption.empty()) {
        painter.setFont(to_qfont(painting.font, scale_));
        painter.setPen(to_qcolor(painting.fore));
        const QRectF box(painting.caption_x * factor, painting.caption_y * factor, width() * 4.0,
                         height() * 4.0);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop,
                         QString::fromStdString(painting.caption));
    }
    for (const EdgeLine& edge : painting.edges) {
        painter.setPen(QPen(to_qcolor(edge.colour), 1));
        painter.drawLine(QPointF(edge.x1 * factor, edge.y1 * factor),
                         QPointF(edge.x2 * factor, edge.y2 * factor));
    }
    if (!painting.picture.empty()) {
        QSvgRenderer picture(
            QStringLiteral(":/data/icons/%1.svg").arg(QString::fromStdString(painting.picture)));
        picture.render(&painter,
                       QRectF(painting.picture_x * factor, painting.picture_y * factor,
                              painting.picture_width * factor, painting.picture_height * factor));
    }
    if (model_.BorderStyle() == 1) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) paint_focus_ring(painter, rect(), to_colour(to_qcolor(painting.back)), scale_);
}

void BoxControlView::mousePressEvent(QMouseEvent* event) {
    model_.press(mouse_event_of(*event, scale_));
    update();
}

void BoxControlView::mouseReleaseEvent(QMouseEvent* event) {
    model_.release(mouse_event_of(*event, scale_));
    emit released();
    update();
}

void BoxControlView::keyPressEvent(QKeyEvent* event) {
    const int button = button_of_key(*event);
    if (button == NoButton) {
        QWidget::keyPressEvent(event);
        return;
    }
    key_button_ = button;
    model_.press(MouseEvent{button});
    update();
}

// Shift may be let go before the key: the button is the one the press chose.
void BoxControlView::keyReleaseEvent(QKeyEvent* event) {
    if (button_of_key(*event) == NoButton || key_button_ == NoButton) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    model_.release(MouseEvent{std::exchange(key_button_, NoButton)});
    emit released();
    update();
}

void BoxControlView::focusOutEvent(QFocusEvent* event) {
    // Leaving with the key still down is no click; only the pressed look goes.
    if (key_button_ != NoButton) model_.cancel_press();
    key_button_ = NoButton;
    QWidget::focusOutEvent(event);
}

void BoxControlView::accessible_press() {
    model_.press(MouseEvent{});
    model_.release(MouseEvent{});
    emit released();
    update();
}

}  // namespace kalder::ui
