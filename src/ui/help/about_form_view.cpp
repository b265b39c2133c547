#include "ui/help/about_form_view.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "core/help/about_form.h"
#include "ui/app/qt_convert.h"
#include "ui/controls/box_control_view.h"
#include "ui/help/program_icon.h"

namespace kalder::ui {

namespace {

QRect to_pixels(const AboutForm::Area& area, double scale) {
    return twips_to_pixels(area.Left, area.Top, area.Width, area.Height, scale);
}

void paint_label(QLabel& label, const AboutForm::Label& model) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, to_qcolor(model.BackColor));
    palette.setColor(QPalette::WindowText, to_qcolor(model.ForeColor));
    label.setPalette(palette);
}

}  // namespace

AboutFormView::AboutFormView(AboutForm& form, QWidget* parent)
    : QDialog(parent),
      form_(form),
      text_(new QLabel(this)),
      version_(new QLabel(this)),
      icon_(new QLabel(this)),
      ok_(new BoxControlView(form.aboutok, this)) {
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(program_icon());
    setAutoFillBackground(true);
    // Text as the program keeps it, CR LF line ends shown as plain line breaks.
    text_->setText(QString::fromStdString(form_.AboutText.Caption).remove('\r'));
    text_->setTextFormat(Qt::PlainText);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text_->setAutoFillBackground(true);
    text_->installEventFilter(this);
    version_->setText(QString::fromStdString(form_.Label1.Caption));
    version_->setAlignment(Qt::AlignCenter);
    version_->setAutoFillBackground(true);
    icon_->setAccessibleName(QStringLiteral("Kalder icon"));
    connect(ok_, &BoxControlView::released, this, [this] {
        if (!form_.Visible) accept();
    });
    lay_out(1.0);
}

PixelSize AboutFormView::design_twips() const {
    return {AboutForm::FormWidth, AboutForm::FormHeight};
}

void AboutFormView::lay_out(double scale) {
    scale_ = scale;
    setFixedSize(twips_to_pixels(0, 0, AboutForm::FormWidth, AboutForm::FormHeight, scale).size());
    text_->setFont(to_qfont(form_.AboutText.font, scale));
    text_->setGeometry(to_pixels(form_.AboutText.place, scale));
    version_->setFont(to_qfont(form_.Label1.font, scale));
    version_->setGeometry(to_pixels(form_.Label1.place, scale));
    const QRect icon_place = to_pixels(form_.Image1, scale);
    icon_->setGeometry(icon_place);
    icon_->setPixmap(program_icon().pixmap(std::min(icon_place.width(), icon_place.height())));
    sync();
}

void AboutFormView::sync() {
    setWindowTitle(QString::fromStdString(form_.Caption));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, to_qcolor(form_.BackColor));
    setPalette(palette);
    paint_label(*text_, form_.AboutText);
    paint_label(*version_, form_.Label1);
    ok_->sync(scale_);
}

void AboutFormView::run() {
    sync();
    exec();
}

void AboutFormView::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        form_.Form_Activate();
        sync();
    }
}

// A mouse button pressed on the text ends the box; the text is never edited or selected.
bool AboutFormView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_ && event->type() == QEvent::MouseButtonPress) {
        form_.AboutText_MouseDown();
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// Only Escape does anything; Enter does not act for "OK" as a dialog's default button would.
void AboutFormView::keyPressEvent(QKeyEvent* event) {
    const int code = event->key() == Qt::Key_Escape ? AboutForm::KeyEscape : 0;
    if (code != 0 && form_.Form_KeyDown(code) == 0) {
        accept();
    }
    event->accept();
}

void AboutFormView::closeEvent(QCloseEvent* event) {
    form_.Form_Unload();
    QDialog::closeEvent(event);
}

}  // namespace kalder::ui
