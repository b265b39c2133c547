#include "ui/scores/scores_box_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "core/scores/scores_box.h"
#include "ui/app/qt_convert.h"
#include "ui/controls/accessible_press.h"

namespace kalder::ui {

namespace {

constexpr ScoresBox::Place Frame = ScoresBox::Frame1_Place;

int px(int twips, double scale) {
    return static_cast<int>(std::lround(twips * scale / TwipsPerPixel));
}

QString text_of(const char* text) {
    return QString::fromUtf8(text);
}

}  // namespace

ScoresBoxView::ScoresBoxView(ScoresBox& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      close_(new QPushButton(text_of(ScoresBox::Command1_Caption.text), this)),
      clear_(new QPushButton(text_of(ScoresBox::Command2_Caption.text), this)) {
    // The panel lies over the board: a click on it must not fall through to a cell beneath.
    setAttribute(Qt::WA_NoMousePropagation);
    for (const ScoresBox::Caption& heading : ScoresBox::Headings) {
        QLabel* label = add_label(text_of(heading.text), true, heading.place);
        if (heading.right_aligned) label->setAlignment(Qt::AlignRight);
    }
    for (const int counter : ScoresBox::ShownCounters) {
        const int top = ScoresBox::CounterTops[counter];
        session_[counter] = add_label(
            {}, false,
            {ScoresBox::SessionLeft, top, ScoresBox::CounterWidth, ScoresBox::CounterHeight});
        total_[counter] = add_label(
            {}, false,
            {ScoresBox::TotalLeft, top, ScoresBox::CounterWidth, ScoresBox::CounterHeight});
    }
    placed_.push_back({close_, ScoresBox::Command1_Caption.place});
    placed_.push_back({clear_, ScoresBox::Command2_Caption.place});
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

QLabel* ScoresBoxView::add_label(const QString& text, bool heading, const ScoresBox::Place& place) {
    auto* label = new QLabel(text, this);
    label->setAutoFillBackground(heading);
    if (heading) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, Qt::black);
        palette.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(palette);
    }
    label->setProperty("heading", heading);
    placed_.push_back({label, place});
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
        item.widget->setGeometry(px(Frame.left + item.place.left, scale),
                                 px(Frame.top + item.place.top, scale), px(item.place.width, scale),
                                 px(item.place.height, scale));
        const bool heading = item.widget->property("heading").toBool();
        if (auto* label = qobject_cast<QLabel*>(item.widget); label != nullptr && !heading) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, back.lightness() > 128 ? Qt::black : Qt::white);
            label->setPalette(palette);
        }
        if (auto* label = qobject_cast<QLabel*>(item.widget)) {
            label->setFont(
                to_qfont(heading ? ScoresBox::HeadingFont : ScoresBox::CounterFont, scale));
        }
    }
    for (QPushButton* button : {close_, clear_}) {
        button->setFont(to_qfont(ScoresBox::ButtonFont, scale));
        button->setStyleSheet(
            QStringLiteral("QPushButton { background: %1; color: %2; border: 1px solid %2; }")
                .arg(back.name(), back.lightness() > 128 ? "black" : "white"));
    }
    // Each count is read with its row and column, as the eye reads the table.
    for (const int counter : ScoresBox::ShownCounters) {
        session_[counter]->setText(QString::fromStdString(model_.session(counter)));
        total_[counter]->setText(QString::fromStdString(model_.total(counter)));
        update_accessible_name(*session_[counter],
                               QString::fromStdString(model_.session_name(counter)));
        update_accessible_name(*total_[counter],
                               QString::fromStdString(model_.total_name(counter)));
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
    const QRect frame(px(Frame.left, scale_), px(Frame.top + 90, scale_), px(Frame.width, scale_),
                      px(Frame.height - 90, scale_));
    painter.drawRect(frame);
    const QFont font = to_qfont(ScoresBox::FrameFont, scale_);
    painter.setFont(font);
    const QString caption = QString::fromStdString(model_.frame_caption());
    const QRect caption_box(frame.left() + 8, frame.top() - 8,
                            painter.fontMetrics().horizontalAdvance(caption) + 8, 16 * scale_);
    painter.fillRect(caption_box, back);
    painter.drawText(caption_box, Qt::AlignCenter, caption);
}

}  // namespace kalder::ui
