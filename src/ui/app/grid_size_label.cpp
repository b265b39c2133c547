#include "ui/app/grid_size_label.h"

#include <QPainter>
#include <algorithm>

#include "core/rules/grade.h"

namespace kalder::ui {

GridSizeLabel::GridSizeLabel(QWidget* parent) : QLabel(parent) {}

void GridSizeLabel::set_grade(int grade) {
    if (grade == grade_) return;
    grade_ = grade;
    update();
}

// The grade as a level: a row of five dots along the box's foot, as many filled as the grade,
// the rest rings, clear of the centred digit.
void GridSizeLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (grade_ <= 0) return;
    const qreal pip = height() / 9.0;
    const qreal step = pip * 1.5;
    const qreal left = (width() - step * (HardestGrade - 1) - pip) / 2;
    const qreal top = height() - pip * 1.35;
    const QColor ink = palette().color(QPalette::WindowText);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal ring = std::max<qreal>(1.0, pip / 5);
    for (int i = 0; i < HardestGrade; ++i) {
        const QRectF place(left + i * step, top, pip, pip);
        if (i < grade_) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(ink);
            painter.drawEllipse(place);
        } else {
            painter.setPen(QPen(ink, ring));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(place.adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2));
        }
    }
}

}  // namespace kalder::ui
