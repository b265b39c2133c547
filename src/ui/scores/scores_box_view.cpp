#include "ui/scores/scores_box_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "core/scores/scores_box.h"
#include "ui/app/qt_convert.h"
#include "ui/controls/accessible_press.h"

namespace kalder::ui {

namespace {

// Everything inside lies in the frame, placed relative to it.
constexpr int FrameLeft = 60, FrameTop = 60, FrameWidth = 3675, FrameHeight = 2055;
constexpr int CounterTops[] = {0, 540, 825, 3510, 1125};

int px(int twips, double scale) {
    return static_cast<int>(std::lround(twips * scale / TwipsPerPixel));
}

}  // namespace

ScoresBoxView::ScoresBoxView(ScoresBox& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      close_(new QPushButton(QStringLiteral("Close"), this)),
      clear_(new QPushButton(QStringLiteral("Clear"), this)) {
    // The panel lies over the board: a click on it must not fall through to a cell beneath.
    setAttribute(Qt::WA_NoMousePropagation);
    add_label(QStringLiteral(" This Session"), true, 1215, 240, 1275, 255);
    add_label(QStringLiteral(" Total"), true, 2565, 240, 1005, 255);
    add_label(QStringLiteral("Played "), true, 90, 540, 1005, 225)->setAlignment(Qt::AlignRight);
    add_label(QStringLiteral("Solved "), true, 90, 795, 1005, 255)->setAlignment(Qt::AlignRight);
    add_label(QStringLiteral("Not Solved "), true, 90, 1095, 1005, 255)
        ->setAlignment(Qt::AlignRight);
    for (const int counter : {1, 2, 4}) {
        session_[counter] = add_label({}, false, 1215, CounterTops[counter], 900, 255);
        total_[counter] = add_label({}, false, 2565, CounterTops[counter], 900, 255);
    }
    placed_.push_back({close_, 780, 1560, 1095, 350});
    placed_.push_back({clear_, 1875, 1560, 1095, 350});
    for (QPushButton* button : {close_, clear_}) {
        button->setFocusPolicy(Qt::TabFocus);
        button->installEventFilter(this);
    }
    // Either button reacts to a release of any mouse button; Space works too.
    connect(close_, &QPushButton::clicked, this, [this] {
        model_.Command1_MouseUp(MouseEvent{});
        emit model_changed();
    });
    connect(clear_, &QPushButton::clicked, this, [this] {
        model_.Command2_MouseUp(MouseEvent{});
        emit model_changed();
    });
}

QLabel* ScoresBoxView::add_label(const QString& text, bool heading, int left, int top, int width,
                                 int height) {
    auto* label = new QLabel(text, this);
    label->setAutoFillBackground(heading);
    if (heading) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, Qt::black);
        palette.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(palette);
    }
    label->setProperty("heading", heading);
    placed_.push_back({label, left, top, width, height});
    return label;
}

bool ScoresBoxView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
        const MouseEvent released{mouse_button_code(static_cast<QMouseEvent*>(event)->button())};
        if (watched == close_) model_.Command1_MouseUp(released);
        if (watched == clear_) model_.Command2_MouseUp(released);
        emit model_changed();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ScoresBoxView::sync(double scale) {
    scale_ = scale;
    setGeometry(px(model_.Left, scale), px(model_.Top, scale), px(ScoresBox::Width, scale),
                px(ScoresBox::Height, scale));
    const QColor back = to_qcolor(model_.BackColor());
    for (const Placed& item : placed_) {
        item.widget->setGeometry(px(FrameLeft + item.left, scale), px(FrameTop + item.top, scale),
                                 px(item.width, scale), px(item.height, scale));
        const bool heading = item.widget->property("heading").toBool();
        if (auto* label = qobject_cast<QLabel*>(item.widget); label != nullptr && !heading) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, back.lightness() > 128 ? Qt::black : Qt::white);
            label->setPalette(palette);
        }
        if (auto* label = qobject_cast<QLabel*>(item.widget)) {
            label->setFont(heading ? to_qfont(Font{"Arial", 9, true, false}, scale)
                                   : to_qfont(Font{"Courier New", 9.75, false, false}, scale));
        }
    }
    for (QPushButton* button : {close_, clear_}) {
        button->setFont(to_qfont(Font{"Arial", 8.25, false, false}, scale));
        button->setStyleSheet(
            QStringLiteral("QPushButton { background: %1; color: %2; border: 1px solid %2; }")
                .arg(back.name(), back.lightness() > 128 ? "black" : "white"));
    }
    // Each count is read with its row and column, as the eye reads the table.
    const QString rows[] = {
        {}, QStringLiteral("Played"), QStringLiteral("Solved"), {}, QStringLiteral("Not solved")};
    for (const int counter : {1, 2, 4}) {
        const QString session = QString::fromStdString(model_.session(counter));
        const QString total = QString::fromStdString(model_.total(counter));
        session_[counter]->setText(session);
        total_[counter]->setText(total);
        update_accessible_name(*session_[counter],
                               QStringLiteral("%1 this session: %2").arg(rows[counter], session));
        update_accessible_name(*total_[counter],
                               QStringLiteral("%1 in total: %2").arg(rows[counter], total));
    }
    update_accessible_name(*this, QString::fromStdString(model_.frame_caption()));
    setVisible(model_.Visible);
    if (model_.Visible) raise();
    update();
}

void ScoresBoxView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor back = to_qcolor(model_.BackColor());
    painter.fillRect(rect(), back);
    painter.setPen(QPen(back.lightness() > 128 ? Qt::black : Qt::white, 1));
    const QRect frame(px(FrameLeft, scale_), px(FrameTop + 90, scale_), px(FrameWidth, scale_),
                      px(FrameHeight - 90, scale_));
    painter.drawRect(frame);
    const QFont font = to_qfont(Font{"Arial", 9, false, false}, scale_);
    painter.setFont(font);
    const QString caption = QString::fromStdString(model_.frame_caption());
    const QRect caption_box(frame.left() + 8, frame.top() - 8,
                            painter.fontMetrics().horizontalAdvance(caption) + 8, 16 * scale_);
    painter.fillRect(caption_box, back);
    painter.drawText(caption_box, Qt::AlignCenter, caption);
}

}  // namespace kalder::ui
