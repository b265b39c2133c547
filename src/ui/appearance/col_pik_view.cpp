#include "ui/appearance/col_pik_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>

#include "core/appearance/col_pik.h"
#include "ui/app/qt_convert.h"

namespace kalder::ui {

ColPikView::ColPikView(ColPik& model, QWidget* parent) : QWidget(parent), model_(model) {
    setAccessibleName(QString::fromUtf8(ColPik::AccessibleName));
    for (int n = 0; n < 3; ++n) {
        bars_[n] = new QScrollBar(Qt::Vertical, this);
        bars_[n]->setAccessibleName(QString::fromUtf8(ColPik::BarNames[n]));
        bars_[n]->setRange(0, 255);
        connect(bars_[n], &QScrollBar::valueChanged, this, [this, n](int value) {
            model_.set_bar(n, value);
            sync();
            if (on_changed) on_changed();
        });
    }
}

QRectF ColPikView::to_view(double left, double top, double width, double height) const {
    const double factor = scale_ / TwipsPerPixel;
    return {left * factor, top * factor, width * factor, height * factor};
}

QRectF ColPikView::to_view(const ColPik::Area& area) const {
    return to_view(area.left, area.top, area.width, area.height);
}

QPoint ColPikView::to_pixels(double x, double y) const {
    return to_view(x, y, 0, 0).topLeft().toPoint();
}

void ColPikView::place(int left, int top, double scale) {
    scale_ = scale;
    setGeometry(to_view(left, top, ColPik::Width, ColPik::Height).toRect());
    for (int n = 0; n < 3; ++n) {
        bars_[n]->setGeometry(
            to_view(ColPik::BarLefts[n], ColPik::BarTop, ColPik::BarWidth, ColPik::BarHeight)
                .toRect());
    }
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
            painter.fillRect(to_view(box.x1, box.y1, box.x2 + 1 - box.x1, box.y2 + 1 - box.y1),
                             to_qcolor(ColPik::Palette[n]));
        }
    }
    for (int i = 0; i < ColPik::StripSteps; ++i) {
        const int x = ColPik::StripLeft + i;
        painter.fillRect(to_view(x, ColPik::BlackStripTop, 1, ColPik::StripHeight),
                         to_qcolor(model_.black_strip[i]));
        painter.fillRect(to_view(x, ColPik::WhiteStripTop, 1, ColPik::StripHeight),
                         to_qcolor(model_.white_strip[i]));
    }
    painter.setFont(to_qfont(ColPik::CaptionFont, scale_));
    painter.setPen(readable_text_qcolor(model_.BackColor));
    painter.drawText(to_view(ColPik::Labels[ColPik::SelectedLabel]),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(ColPik::SelectedCaption));
    painter.fillRect(to_view(ColPik::Labels[ColPik::SwatchLabel]),
                     to_qcolor(model_.Label1_BackColor));
    for (int n = 0; n < 3; ++n) {
        painter.fillRect(to_view(ColPik::Labels[ColPik::FirstChannelLabel + n]),
                         to_qcolor(model_.PicRGB[n]));
        painter.setPen(to_qcolor(ColPik::DegreeColours[n]));
        painter.drawText(to_view(ColPik::Labels[ColPik::FirstValueLabel + n]),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(model_.degree_caption[n]));
    }
}

void ColPikView::mouseReleaseEvent(QMouseEvent* event) {
    if (!model_.Enabled) return;
    model_.UserControl_MouseUp(mouse_event_of(*event, scale_));
    sync();
    if (on_changed) on_changed();
}

}  // namespace kalder::ui
