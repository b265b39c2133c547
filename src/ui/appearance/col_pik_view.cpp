#include "ui/appearance/col_pik_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>

#include "core/appearance/col_pik.h"
#include "ui/app/qt_convert.h"

namespace kalder::ui {

namespace {

constexpr int Width = 2055, Height = 1635;
// The palette and the strips take 256 twips, hardly 17 pixels; drawn three times as wide they
// fill the left column up to the swatch, so a colour can be hit. Clicks map back.
constexpr double Stretch = 3.0;
constexpr double StretchFrom = ColPik::StripLeft;
constexpr double StretchedEnd = StretchFrom + ColPik::StripSteps * Stretch;
constexpr int BarLefts[] = {1050, 1395, 1725};
constexpr int BarTop = 25, BarWidth = 250, BarHeight = 1126;
constexpr int ChannelLefts[] = {1065, 1395, 1755};
constexpr int DegreeLefts[] = {1050, 1380, 1725};
const QColor DegreeColours[] = {QColor(255, 0, 0), QColor(0, 192, 0), QColor(0, 0, 255)};

double stretched_x(double x) {
    return x <= StretchFrom ? x : StretchFrom + (x - StretchFrom) * Stretch;
}

double model_x(double view_x) {
    if (view_x <= StretchFrom) return view_x;
    if (view_x >= StretchedEnd) return view_x - StretchedEnd + StretchFrom + ColPik::StripSteps;
    return StretchFrom + (view_x - StretchFrom) / Stretch;
}

}  // namespace

ColPikView::ColPikView(ColPik& model, QWidget* parent) : QWidget(parent), model_(model) {
    setAccessibleName(QStringLiteral("Color picker"));
    const QString channels[] = {QStringLiteral("Red"), QStringLiteral("Green"),
                                QStringLiteral("Blue")};
    for (int n = 0; n < 3; ++n) {
        bars_[n] = new QScrollBar(Qt::Vertical, this);
        bars_[n]->setAccessibleName(channels[n]);
        bars_[n]->setRange(0, 255);
        bars_[n]->setGeometry(to_view(BarLefts[n], BarTop, BarWidth, BarHeight).toRect());
        connect(bars_[n], &QScrollBar::valueChanged, this, [this, n](int value) {
            model_.set_bar(n, value);
            sync();
            if (on_changed) on_changed();
        });
    }
}

QRectF ColPikView::to_view(double left, double top, double width, double height) const {
    return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
            height / TwipsPerPixel};
}

QPoint ColPikView::to_pixels(double x, double y) const {
    return QPointF(stretched_x(x) / TwipsPerPixel, y / TwipsPerPixel).toPoint();
}

void ColPikView::place(int left, int top) {
    setGeometry(to_view(left, top, Width, Height).toRect());
}

void ColPikView::sync() {
    for (int n = 0; n < 3; ++n) {
        const QSignalBlocker quiet(bars_[n]);
        bars_[n]->setValue(model_.bar_value[n]);
    }
    setEnabled(model_.Enabled);
    update();
}

void ColPikView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), to_qcolor(model_.BackColor));
    if (model_.palette_painted) {
        for (int n = 0; n < 16; ++n) {
            const ColPik::Box box = ColPik::palette_box(n);
            const double x1 = stretched_x(box.x1), x2 = stretched_x(box.x2 + 1);
            painter.fillRect(to_view(x1, box.y1, x2 - x1, box.y2 + 1 - box.y1),
                             to_qcolor(ColPik::Palette[n]));
        }
    }
    for (int i = 0; i < ColPik::StripSteps; ++i) {
        const double x = stretched_x(ColPik::StripLeft + i);
        painter.fillRect(to_view(x, ColPik::BlackStripTop, Stretch, ColPik::StripHeight),
                         to_qcolor(model_.black_strip[i]));
        painter.fillRect(to_view(x, ColPik::WhiteStripTop, Stretch, ColPik::StripHeight),
                         to_qcolor(model_.white_strip[i]));
    }
    painter.setFont(to_qfont(Font{"Arial", 7.5, false, false}));
    painter.setPen(Qt::black);
    painter.drawText(to_view(60, 1380, 645, 195), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Selected"));
    painter.fillRect(to_view(788, 1380, 225, 195), to_qcolor(model_.Label1_BackColor));
    for (int n = 0; n < 3; ++n) {
        painter.fillRect(to_view(ChannelLefts[n], 1170, 225, 195), to_qcolor(model_.PicRGB[n]));
        painter.setPen(DegreeColours[n]);
        painter.drawText(to_view(DegreeLefts[n], 1380, 330, 195), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(model_.degree_caption[n]));
    }
}

void ColPikView::mouseReleaseEvent(QMouseEvent* event) {
    if (!model_.Enabled) return;
    MouseEvent released = mouse_event_of(*event, 1.0);
    released.X = model_x(released.X);
    model_.UserControl_MouseUp(released);
    sync();
    if (on_changed) on_changed();
}

}  // namespace kalder::ui
