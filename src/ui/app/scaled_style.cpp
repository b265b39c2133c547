#include "ui/app/scaled_style.h"

#include <QApplication>
#include <QStyleOption>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ui/app/qt_convert.h"
#include "ui/app/scaled_window.h"
#include "ui/controls/focus_ring.h"

namespace kalder::ui {

namespace {

bool grows_with_scale(QStyle::PixelMetric metric) {
    switch (metric) {
        case QStyle::PM_ScrollBarExtent:
        case QStyle::PM_ScrollBarSliderMin:
        case QStyle::PM_SmallIconSize:
        case QStyle::PM_LargeIconSize:
        case QStyle::PM_IconViewIconSize:
        case QStyle::PM_ListViewIconSize:
        case QStyle::PM_ButtonIconSize:
        case QStyle::PM_ToolBarIconSize:
        case QStyle::PM_TabBarIconSize:
        case QStyle::PM_MessageBoxIconSize:
        case QStyle::PM_IndicatorWidth:
        case QStyle::PM_IndicatorHeight:
        case QStyle::PM_ExclusiveIndicatorWidth:
        case QStyle::PM_ExclusiveIndicatorHeight:
        case QStyle::PM_ButtonMargin:
        case QStyle::PM_HeaderMargin:
        case QStyle::PM_FocusFrameHMargin:
        case QStyle::PM_FocusFrameVMargin:
        case QStyle::PM_LayoutLeftMargin:
        case QStyle::PM_LayoutTopMargin:
        case QStyle::PM_LayoutRightMargin:
        case QStyle::PM_LayoutBottomMargin:
        case QStyle::PM_LayoutHorizontalSpacing:
        case QStyle::PM_LayoutVerticalSpacing:
        case QStyle::PM_ToolTipLabelFrameWidth:
            return true;
        default:
            return false;
    }
}

}  // namespace

ScaledStyle::ScaledStyle() : QProxyStyle(nullptr) {}

void ScaledStyle::apply(double scale) {
    auto* style = qobject_cast<ScaledStyle*>(QApplication::style());
    if (style == nullptr) {
        style = new ScaledStyle;
        QApplication::setStyle(style);
    }
    QToolTip::setFont(application_font_at(scale));
    if (style->scale_ == scale) return;
    style->scale_ = scale;
    for (QWidget* widget : QApplication::allWidgets()) {
        QEvent changed(QEvent::StyleChange);
        QCoreApplication::sendEvent(widget, &changed);
        widget->updateGeometry();
    }
}

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    const int designed = QProxyStyle::pixelMetric(metric, option, widget);
    if (!grows_with_scale(metric) || designed <= 0) return designed;
    return static_cast<int>(std::lround(designed * scale_));
}

// A text field with the focus wears the ring inside its frame, on the field's colour.
void ScaledStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameFocusRect) {
        const QColor back =
            option->palette.color(widget != nullptr ? widget->backgroundRole() : QPalette::Window);
        paint_focus_ring(*painter, option->rect, to_colour(back), scale_);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_PanelLineEdit || !(option->state & State_HasFocus)) return;
    const int inset = std::max(1, static_cast<int>(std::lround(scale_)));
    paint_focus_ring(*painter, option->rect.adjusted(inset, inset, -inset, -inset),
                     to_colour(option->palette.color(QPalette::Base)), scale_);
}

// A push button with the focus wears the ring just inside its edge, on the button's colour.
void ScaledStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus)) return;
    const int inset = static_cast<int>(std::lround(2 * scale_));
    paint_focus_ring(*painter, option->rect.adjusted(inset, inset, -inset, -inset),
                     to_colour(option->palette.color(QPalette::Button)), scale_);
}

}  // namespace kalder::ui
