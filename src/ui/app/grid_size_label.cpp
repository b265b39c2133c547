#include "ui/app/grid_size_label.h"

#include <QPainter>

namespace kalder::ui {

GridSizeLabel::GridSizeLabel(QWidget* parent) : QLabel(parent) {}

void GridSizeLabel::set_grade(int grade) {
    if (grade == grade_) return;
    grade_ = grade;
    update();
}

void GridSizeLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (grade_ <= 0) return;
    // Five pips and their gaps fill most of the box's height, clear of the centred digit.
    const qreal pip = height() / 9.0;
    const qreal step = pip * 1.6;
    const qreal left = width() - pip * 1.6;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::WindowText));
    for (int i = 0; i < grade_; ++i) {
        const qreal top = height() - pip * 1.5 - i * step;
        painter.drawEllipse(QRectF(left, top, pip, pip));
    }
}

}  // namespace kalder::ui
