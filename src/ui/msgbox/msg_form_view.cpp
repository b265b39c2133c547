#include "ui/msgbox/msg_form_view.h"

#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

#include "core/msgbox/msg_form.h"
#include "ui/app/qt_convert.h"
#include "ui/controls/box_control_view.h"

namespace kalder::ui {

namespace {

// Icon slot pictures; slots 9 and 10 have none.
const char* const IconNames[] = {"question", "exclamation", "information", "error",  "critical",
                                 "happy",    "trash",       "print",       "lighton"};

// The model's size includes the frame and title bar that the window manager adds here.
constexpr int FrameWidthTwips = 120;
constexpr int FrameHeightTwips = 465;
constexpr int IconLeft = 90, IconTop = 90, IconSize = 480;

int pixels(int twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

}  // namespace

MsgFormView::MsgFormView(MsgForm& form) : form_(form), label_(new QLabel(this)) {
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (int i = 0; i < MsgForm::ButtonCount; ++i) {
        buttons_[i] = new BoxControlView(form_.cmd[i], this);
        buttons_[i]->setFocusPolicy(Qt::StrongFocus);
        connect(buttons_[i], &BoxControlView::released, this, [this] {
            if (!form_.visible) accept();
        });
    }
}

void MsgFormView::sync() {
    setWindowTitle(QString::fromStdString(form_.title));
    setFixedSize(pixels(form_.width - FrameWidthTwips), pixels(form_.height - FrameHeightTwips));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, to_qcolor(form_.background));
    palette.setColor(QPalette::WindowText, to_qcolor(form_.Label1.fore));
    setPalette(palette);
    setAutoFillBackground(true);
    label_->setFont(to_qfont(form_.Label1.font));
    label_->setText(QString::fromStdString(form_.Label1.text).remove('\r'));
    label_->setGeometry(pixels(form_.Label1.left), pixels(form_.Label1.top),
                        pixels(form_.Label1.width) + 8, pixels(form_.Label1.height));
    for (BoxControlView* button : buttons_) button->sync(1.0);
    update();
}

void MsgFormView::run() {
    sync();
    for (BoxControlView* button : buttons_) {
        if (button->isVisible()) {
            button->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    exec();
    form_.visible = false;
}

void MsgFormView::reject() {
    form_.close_from_frame();
    QDialog::reject();
}

void MsgFormView::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    const QRectF place(pixels(IconLeft), pixels(IconTop), pixels(IconSize), pixels(IconSize));
    for (int slot = 0; slot < static_cast<int>(std::size(IconNames)); ++slot) {
        if (!form_.icons[slot]) continue;
        QSvgRenderer icon(QStringLiteral(":/data/icons/%1.svg").arg(IconNames[slot]));
        icon.render(&painter, place);
    }
}

}  // namespace kalder::ui
