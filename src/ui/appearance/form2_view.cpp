#include "ui/appearance/form2_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>

#include "core/appearance/form2.h"
#include "ui/app/qt_convert.h"
#include "ui/appearance/col_pik_view.h"
#include "ui/controls/box_control_view.h"

namespace kalder::ui {

namespace {

constexpr Form2::Place Frame = Form2::Frame1_Place;

QRect pixels(int left, int top, int width, int height, double scale) {
    const auto px = [scale](double twips) { return scaled_pixels(twips, scale); };
    return {px(left), px(top), px(left + width) - px(left), px(top + height) - px(top)};
}

QRect in_frame(const Form2::Place& place, double scale) {
    return pixels(Frame.left + place.left, Frame.top + place.top, place.width, place.height, scale);
}

}  // namespace

Form2View::Form2View(Form2& form, QWidget* parent)
    : QDialog(parent),
      form_(form),
      picker_(new ColPikView(form.ColPik1, this)),
      contrast_(new QScrollBar(Qt::Horizontal, this)),
      list_(new QListWidget(this)) {
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    picker_->on_changed = [this] { handled(); };

    contrast_->setAccessibleName(QString::fromUtf8(Form2::ContrastV_Name));
    list_->setAccessibleName(QString::fromUtf8(Form2::List1_Name));
    contrast_->setRange(Form2::ContrastMin, Form2::ContrastMax);
    contrast_->setSingleStep(Form2::ContrastSmallStep);
    contrast_->setPageStep(Form2::ContrastLargeStep);
    connect(contrast_, &QScrollBar::valueChanged, this, [this](int value) {
        form_.set_ContrastV(value);
        handled();
    });

    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->viewport()->installEventFilter(this);
    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { form_.ListIndex = row; });

    // In tab order; each view takes its place from its model.
    BoxControl* const models[] = {&form_.ShowSch, &form_.RepSch,   &form_.DelSch,
                                  &form_.AddSch,  &form_.Command1, &form_.Command2};
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i] = new BoxControlView(*models[i], this);
        buttons_[i]->setObjectName(QString::fromStdString(models[i]->Caption()));
        buttons_[i]->setFocusPolicy(Qt::StrongFocus);
        connect(buttons_[i], &BoxControlView::released, this, &Form2View::handled);
    }
    lay_out(1.0);
}

PixelSize Form2View::design_twips() const {
    return {Form2::ClientWidth, Form2::ClientHeight};
}

void Form2View::lay_out(double scale) {
    scale_ = scale;
    setFixedSize(pixels(0, 0, Form2::ClientWidth, Form2::ClientHeight, scale).size());
    picker_->place(Frame.left + Form2::ColPik1_Place.left, Frame.top + Form2::ColPik1_Place.top,
                   scale);
    contrast_->setGeometry(in_frame(Form2::ContrastV_Place, scale));
    list_->setGeometry(in_frame(Form2::List1_Place, scale));
    list_->setFont(to_qfont(Form2::List1_Font, scale));
    sync();
}

BoxControlView* Form2View::button(const QString& name) const {
    for (BoxControlView* view : buttons_) {
        if (view->objectName() == name) return view;
    }
    return nullptr;
}

void Form2View::handled() {
    sync();
    if (on_changed) on_changed();
    if (!form_.Visible && isVisible()) accept();
}

void Form2View::sync() {
    setWindowTitle(QString::fromStdString(form_.Caption));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, to_qcolor(form_.BackColor));
    setPalette(palette);
    setAutoFillBackground(true);

    QPalette list_palette = list_->palette();
    list_palette.setColor(QPalette::Base, to_qcolor(form_.List1_BackColor));
    // Names stay readable on a dark scheme's background.
    list_palette.setColor(QPalette::Text, readable_text_qcolor(form_.List1_BackColor));
    list_->setPalette(list_palette);
    QStringList names;
    for (const std::string& name : form_.List1) names << QString::fromStdString(name);
    QStringList shown;
    for (int row = 0; row < list_->count(); ++row) shown << list_->item(row)->text();
    {
        const QSignalBlocker quiet(list_);
        if (shown != names) {
            list_->clear();
            list_->addItems(names);
        }
        list_->setCurrentRow(form_.ListIndex);
    }
    {
        const QSignalBlocker quiet(contrast_);
        contrast_->setValue(form_.ContrastV);
    }
    picker_->sync();
    for (BoxControlView* button : buttons_) button->sync(scale_);
    update();
}

void Form2View::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    const QColor back = to_qcolor(form_.Frame1_BackColor);
    painter.fillRect(pixels(Frame.left, Frame.top, Frame.width, Frame.height, scale_), back);
    painter.setPen(readable_text_qcolor(form_.Frame1_BackColor));
    painter.setFont(to_qfont(Form2::Frame1_Font, scale_));
    const QRect frame = pixels(Frame.left, Frame.top + 90, Frame.width, Frame.height - 90, scale_);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    const QString caption = QString::fromStdString(form_.Frame1_Caption);
    const int caption_height = painter.fontMetrics().height();
    const QRect caption_box(frame.left() + caption_height / 2, frame.top() - caption_height / 2,
                            painter.fontMetrics().horizontalAdvance(caption) + caption_height / 2,
                            caption_height);
    painter.fillRect(caption_box, back);
    painter.drawText(caption_box, Qt::AlignCenter, caption);
}

// A release anywhere on the list previews what it selects.
bool Form2View::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        form_.ListIndex = list_->currentRow();
        form_.List1_MouseUp();
        handled();
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

// The frame's close button and Escape leave as Exit does.
void Form2View::reject() {
    form_.Command2_MouseUp();
    QDialog::reject();
}

void Form2View::run() {
    sync();
    exec();
}

void show_form2_modal(Form2& form, QWidget* parent, const std::function<void()>& on_changed,
                      double scale) {
    const auto run = [&](Form2View& view) {
        view.on_changed = on_changed;
        form.Visible = true;
        form.Form_Activate();
        view.run();
    };
    if (parent == nullptr) {
        Form2View once(form);
        run(once);
        return;
    }
    const auto kept = parent->findChildren<Form2View*>(Qt::FindDirectChildrenOnly);
    Form2View& view = kept.isEmpty() ? *new Form2View(form, parent) : *kept.first();
    show_scaled(view, view, scale, Placement::Centred, *parent->window());
    run(view);
}

}  // namespace kalder::ui
