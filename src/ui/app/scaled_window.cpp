#include "ui/app/scaled_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>
#include <cmath>

#include "ui/app/qt_convert.h"

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

void fit_columns(QTreeView& view) {
    for (int column = 0; column < view.header()->count(); ++column)
        view.resizeColumnToContents(column);
}

// Icons, and columns wide enough for their headings and names, at the scale of the font.
void scale_item_views(QWidget& dialog) {
    const int icon = dialog.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &dialog);
    for (auto* view : dialog.findChildren<QAbstractItemView*>()) view->setIconSize({icon, icon});
    for (auto* button : dialog.findChildren<QToolButton*>()) button->setIconSize({icon, icon});
    for (auto* view : dialog.findChildren<QTreeView*>()) fit_columns(*view);
}

// A question keeps its lines as written: Qt's box would wrap them at a width fixed in pixels,
// whatever the scale.
void keep_question_lines(QWidget& dialog, const QRect& area) {
    auto* text = dialog.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (text == nullptr) return;
    const QFontMetrics metrics(dialog.font());
    int widest = 0;
    for (const QString& line : text->text().split('\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    text->setMinimumWidth(std::min(widest + metrics.averageCharWidth(), area.width() * 3 / 4));
}

void show_scaled_standard(QWidget& dialog, double scale, const QWidget& game) {
    const QRect area = available_for(game);
    dialog.setFont(application_font_at(scale));
    scale_item_views(dialog);
    keep_question_lines(dialog, area);
    // The sizes below are those of the new font.
    if (dialog.layout() != nullptr) dialog.layout()->activate();
    // Its first size, taken back to the designed scale: every scale after it, Ctrl 0's too,
    // is that size at the scale, never more than the screen holds.
    const char* const designed_property = "kalder_designed_size";
    if (!dialog.property(designed_property).isValid()) {
        dialog.setProperty(designed_property, QSizeF(dialog.sizeHint()) / scale);
    }
    const QSize frame = frame_of(dialog);
    const QSize wanted = (dialog.property(designed_property).toSizeF() * scale).toSize();
    dialog.resize(wanted.expandedTo(dialog.minimumSizeHint()).boundedTo(area.size() - frame));
    const QRect outer(QPoint(0, 0), dialog.size() + frame);
    const QRect anchor = dialog.isVisible() ? dialog.frameGeometry() : game.frameGeometry();
    const PixelRect place =
        place_window(pixel_rect(anchor), {outer.width(), outer.height()}, pixel_rect(area));
    dialog.move(place.left, place.top);
}

// The scheme's window, text and cell colours on a dialog Qt draws: its frame and buttons as the
// game's windows, its lists and fields as the board's open cells.
void paint_in_look(QWidget& dialog, const WindowLook& look) {
    QPalette palette = dialog.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, to_qcolor(look.window));
        palette.setColor(group, QPalette::WindowText, to_qcolor(look.text));
        palette.setColor(group, QPalette::Button, to_qcolor(look.button));
        palette.setColor(group, QPalette::ButtonText, to_qcolor(look.button_text));
        palette.setColor(group, QPalette::Base, to_qcolor(look.button));
        palette.setColor(group, QPalette::AlternateBase, to_qcolor(look.button).darker(108));
        palette.setColor(group, QPalette::Text, to_qcolor(look.button_text));
        palette.setColor(group, QPalette::Link, to_qcolor(look.link));
    }
    dialog.setPalette(palette);
}

}  // namespace kalder::ui
