#include "ui/app/scaled_window.h"

#include <QApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace kalder::ui {

namespace {

// The frame a window manager adds, before the window is shown and its frame known.
const QSize AssumedFrame(10, 40);

PixelRect pixel_rect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

QSize frame_of(const QWidget& window) {
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    return window.isVisible() || !frame.isEmpty() ? frame : AssumedFrame;
}

QRect available_for(const QWidget& game) {
    const QScreen* screen = game.screen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

void show_scaled(QWidget& window, ScaledWindow& layout, double scale, Placement first,
                 const QWidget& game) {
    const bool placed_before = window.testAttribute(Qt::WA_Moved);
    const QSize frame = frame_of(window);
    const SecondaryGeometry geometry = secondary_geometry(
        layout.design_twips(), {frame.width(), frame.height()}, scale,
        placed_before ? Placement::Centred : first,
        pixel_rect(placed_before ? window.frameGeometry() : game.frameGeometry()),
        pixel_rect(available_for(game)));
    layout.lay_out(geometry.scale);
    window.move(geometry.frame.left, geometry.frame.top);
}

QFont application_font_at(double scale) {
    QFont font = QApplication::font();
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * scale);
    } else {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * scale))));
    }
    return font;
}

void show_scaled_standard(QWidget& dialog, double scale, const QWidget& game) {
    dialog.setFont(application_font_at(scale));
    dialog.resize(dialog.sizeHint());
    const QSize frame = frame_of(dialog);
    const QRect outer(QPoint(0, 0), dialog.size() + frame);
    const QRect anchor = dialog.isVisible() ? dialog.frameGeometry() : game.frameGeometry();
    const PixelRect place = place_window(pixel_rect(anchor), {outer.width(), outer.height()},
                                         pixel_rect(available_for(game)));
    dialog.move(place.left, place.top);
}

}  // namespace kalder::ui
