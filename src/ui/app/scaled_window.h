#pragma once

#include <QRect>
#include <QWidget>

#include "core/base/window_scale.h"

namespace kalder::ui {

// A secondary window shown at the game's scale: its inner design in twips, and how it lays
// itself out (sizes, places and fonts) at a scale.
class ScaledWindow {
  public:
    virtual ~ScaledWindow() = default;
    virtual PixelSize design_twips() const = 0;
    virtual void lay_out(double scale) = 0;
};

// Lays `window` out at the game's `scale`, smaller only where the game's screen needs it, wholly
// on the screen that shows `game`: the first time beside or centred on the game as `first`
// says, later centred where it was.
void show_scaled(QWidget& window, ScaledWindow& layout, double scale, Placement first,
                 const QWidget& game);

// The application's font at `scale`, for text that has no designed font of its own.
QFont application_font_at(double scale);

// A standard dialog (input box, file dialog, message box) in the application's font at `scale`,
// centred on the game's window (on itself once shown) and wholly on the game's screen.
void show_scaled_standard(QWidget& dialog, double scale, const QWidget& game);

}  // namespace kalder::ui
