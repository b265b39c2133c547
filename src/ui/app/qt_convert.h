#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <Qt>

#include "core/base/colour.h"
#include "core/base/font.h"
#include "core/base/window_scale.h"
#include "core/controls/mouse_event.h"

class QMouseEvent;

namespace kalder::ui {

constexpr double TwipsPerPixel = TwipsPerPixelAt96;

// A core colour; system colour references are taken from the application palette.
QColor to_qcolor(Colour colour);
// A colour as the plain colour value it shows.
Colour to_colour(const QColor& colour);
// The program's dark text where it stays readable on `back`, else its light text.
QColor readable_text_qcolor(Colour back);
// Point sizes are turned into pixels at 96 dpi times scale, so a window scales as a whole.
QFont to_qfont(const Font& font, double scale = 1.0);
// A place given in twips, in pixels at 96 dpi times scale.
QRect twips_to_pixels(int left, int top, int width, int height, double scale = 1.0);
int mouse_button_code(Qt::MouseButton button);
// A Qt mouse event as the program's events carry it, the position in twips of the widget
// shown at `scale`.
MouseEvent mouse_event_of(const QMouseEvent& event, double scale);
int shift_state_code(Qt::KeyboardModifiers modifiers);

}  // namespace kalder::ui
