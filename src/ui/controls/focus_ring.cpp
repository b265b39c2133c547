#include "ui/controls/focus_ring.h"

#include <algorithm>
#include <cmath>

#include "core/files/colour_scheme.h"
#include "ui/app/qt_convert.h"

namespace kalder::ui {

void fill_frame(QPainter& painter, const QRect& box, int thickness, const QColor& colour) {
    painter.fillRect(box.x(), box.y(), box.width(), thickness, colour);
    painter.fillRect(box.x(), box.bottom() - thickness + 1, box.width(), thickness, colour);
    painter.fillRect(box.x(), box.y(), thickness, box.height(), colour);
    painter.fillRect(box.right() - thickness + 1, box.y(), thickness, box.height(), colour);
}

QRect paint_focus_ring(QPainter& painter, const QRect& box, Colour back, double scale) {
    const int ring = std::max(2, static_cast<int>(std::lround(2 * scale)));
    const Colour colour = focus_ring_on(back);
    const Colour edge = focus_ring_on(colour);
    fill_frame(painter, box, ring, to_qcolor(colour));
    fill_frame(painter, box.adjusted(ring, ring, -ring, -ring), 1, to_qcolor(edge));
    return box.adjusted(ring, ring, -ring, -ring);
}

}  // namespace kalder::ui
