#pragma once

#include <QRect>
#include <QTreeView>
#include <QWidget>

#include "core/base/window_scale.h"
#include "core/help/window_look.h"

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
// with icons and columns to match, its first size at that scale, centred on the game's window
// (on itself once shown) and wholly on the game's screen.
void show_scaled_standard(QWidget& dialog, double scale, const QWidget& game);

// Each column of a list wide enough for its heading and what it shows.
void fit_columns(QTreeView& view);

// A standard dialog in the colours of the scheme applied.
void paint_in_look(QWidget& dialog, const WindowLook& look);

}  // namespace kalder::ui
