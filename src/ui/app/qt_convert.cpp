#include "ui/app/qt_convert.h"

#include "core/base/window_scale.h"
#include "core/files/colour_scheme.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPalette>
#include <cmath>

namespace kalder::ui {

namespace {

QColor system_colour(Colour reference) {
    const QPalette palette = QGuiApplication::palette();
    switch (reference & 0xFF) {
        case 0x05:
            return palette.color(QPalette::Base);  // window
        case 0x08:
            return palette.color(QPalette::Text);  // window text
        case 0x0F:
            return palette.color(QPalette::Button);  // button face
        case 0x12:
            return palette.color(QPalette::ButtonText);  // button text
        case 0x0D:
            return palette.color(QPalette::Highlight);  // highlight
        case 0x0E:
            return palette.color(QPalette::HighlightedText);  // highlighted text
        default:
            return palette.color(QPalette::Window);
    }
}

}  // namespace

QColor to_qcolor(Colour colour) {
    if (is_system_colour(colour)) return system_colour(colour);
    return QColor(red_of(colour), green_of(colour), blue_of(colour));
}

Colour to_colour(const QColor& colour) {
    return RGB(colour.red(), colour.green(), colour.blue());
}

QColor readable_text_qcolor(Colour back) {
    return to_qcolor(readable_text_on(to_colour(to_qcolor(back))));
}

QFont to_qfont(const Font& font, double scale) {
    QFont result(QString::fromStdString(font.name));
    result.setPixelSize(
        std::max(1, static_cast<int>(std::lround(font.size * 96.0 / 72.0 * scale))));
    result.setBold(font.bold);
    result.setItalic(font.italic);
    return result;
}

QRect twips_to_pixels(int left, int top, int width, int height, double scale) {
    const auto pixels = [scale](int twips) { return scaled_pixels(twips, scale); };
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

int mouse_button_code(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return LeftButton;
        case Qt::RightButton:
            return RightButton;
        case Qt::MiddleButton:
            return MiddleButton;
        default:
            return NoButton;
    }
}

MouseEvent mouse_event_of(const QMouseEvent& event, double scale) {
    return {mouse_button_code(event.button()), shift_state_code(event.modifiers()),
            event.position().x() / scale * TwipsPerPixel,
            event.position().y() / scale * TwipsPerPixel};
}

int shift_state_code(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    if (modifiers & Qt::ShiftModifier) code |= ShiftKey;
    if (modifiers & Qt::ControlModifier) code |= CtrlKey;
    if (modifiers & Qt::AltModifier) code |= AltKey;
    return code;
}

}  // namespace kalder::ui
