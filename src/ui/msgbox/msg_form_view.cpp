#include "ui/msgbox/msg_form_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

#include "core/msgbox/msg_form.h"
#include "ui/app/qt_convert.h"
#include "ui/controls/box_control_view.h"

namespace kalder::ui {

namespace {

const char* const IconNames[] = {"question", "exclamation", "information", "error",  "critical",
                                 "happy",    "trash",       "print",       "lighton"};

// Frame and title bar the model's outer sizes allow for.
constexpr int DefaultFrameWidthTwips = 120;
constexpr int DefaultFrameHeightTwips = 465;
constexpr int IconLeft = 90, IconTop = 90, IconSize = 480;
// Room beside the measured text, so rounding never clips the last letter.
constexpr int SlackTwips = 120;

}  // namespace

MsgFormView::MsgFormView(MsgForm& form, QWidget* parent)
    : QDialog(parent), form_(form), label_(new QLabel(this)) {
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setAutoFillBackground(true);
    for (std::size_t slot = 0; slot < icons_.size(); ++slot) {
        icons_[slot] =
            new QSvgRenderer(QStringLiteral(":/data/icons/%1.svg").arg(IconNames[slot]), this);
    }
    for (int i = 0; i < MsgForm::ButtonCount; ++i) {
        buttons_[i] = new BoxControlView(form_.cmd[i], this);
        buttons_[i]->setFocusPolicy(Qt::StrongFocus);
        connect(buttons_[i], &BoxControlView::released, this, [this] {
            if (!form_.visible) accept();
        });
    }
}

// The model's sizes are outer ones, around a frame of the width and height it assumes.
PixelSize MsgFormView::design_twips() const {
    return {form_.width - DefaultFrameWidthTwips, form_.height - DefaultFrameHeightTwips};
}

void MsgFormView::lay_out(double scale) {
    scale_ = scale;
    sync();
}

void MsgFormView::sync() {
    setWindowTitle(QString::fromStdString(form_.title));
    const auto pixels = [this](int twips) { return scaled_pixels(twips, scale_); };
    const PixelSize inner = design_twips();
    setFixedSize(pixels(inner.width), pixels(inner.height));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, to_qcolor(form_.background));
    setPalette(palette);
    setAutoFillBackground(true);

    const MsgForm::TextLabel& text = form_.Label1;
    QPalette label_palette = label_->palette();
    label_palette.setColor(QPalette::Window, to_qcolor(text.back));
    label_palette.setColor(QPalette::WindowText, to_qcolor(text.fore));
    label_->setPalette(label_palette);
    label_->setFont(to_qfont(text.font, scale_));
    label_->setText(QString::fromStdString(text.text).remove('\r'));
    // A screen reader announces an alert by its description.
    setAccessibleDescription(label_->text());
    label_->setGeometry(pixels(text.left), pixels(text.top), pixels(text.width + SlackTwips),
                        pixels(text.height));
    for (BoxControlView* button : buttons_) button->sync(scale_);
    update();
}

void MsgFormView::run() {
    sync();
    // Enter presses the focused button, so the focus starts on the one the style names.
    buttons_[form_.default_button()]->setFocus(Qt::OtherFocusReason);
    exec();
    form_.visible = false;
}

void MsgFormView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        focusNextPrevChild(event->key() == Qt::Key_Right);
        return;
    }
    QDialog::keyPressEvent(event);
}

void MsgFormView::reject() {
    form_.close_from_frame();
    QDialog::reject();
}

void MsgFormView::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    // All slots share one place; two shown icons lie one over the other.
    const QRectF place(twips_to_pixels(IconLeft, IconTop, IconSize, IconSize, scale_));
    for (std::size_t slot = 0; slot < icons_.size(); ++slot) {
        if (form_.icons[slot]) icons_[slot]->render(&painter, place);
    }
}

void show_msg_form_modal(MsgForm& form, QWidget* parent, double scale) {
    if (parent == nullptr) {
        MsgFormView once(form);
        once.run();
        return;
    }
    MsgFormView* view = nullptr;
    for (MsgFormView* kept : parent->findChildren<MsgFormView*>(Qt::FindDirectChildrenOnly)) {
        if (&kept->form() == &form) view = kept;
    }
    if (view == nullptr) view = new MsgFormView(form, parent);
    show_scaled(*view, *view, scale, Placement::Centred, *parent->window());
    view->run();
}

}  // namespace kalder::ui
