#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

#include "core/base/colour.h"

namespace kalder::ui {

// Fills a band of `thickness` pixels just inside `box`.
void fill_frame(QPainter& painter, const QRect& box, int thickness, const QColor& colour);

// The keyboard's ring, the same on the board's cells and on every control: a solid band, two
// pixels at the designed size and growing with the scale, in black or white, whichever stands
// out more from `back`, with a line of the other just inside it. Returns the room inside it.
QRect paint_focus_ring(QPainter& painter, const QRect& box, Colour back, double scale);

}  // namespace kalder::ui
