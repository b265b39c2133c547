#include "ui/help/form4_view.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QScrollBar>
#include <QShortcut>
#include <cmath>

#include "core/help/form4.h"
#include "ui/app/qt_convert.h"
#include "ui/help/program_icon.h"

namespace kalder::ui {

namespace {

// The model's addresses are file paths, a place in the page after "#".
QUrl url_of(const std::string& address) {
    const QString text = QString::fromStdString(address);
    const qsizetype hash = text.lastIndexOf('#');
    if (hash < 0 || hash < text.lastIndexOf('/')) return QUrl::fromLocalFile(text);
    QUrl url = QUrl::fromLocalFile(text.left(hash));
    url.setFragment(text.mid(hash + 1));
    return url;
}

std::string address_of(const QUrl& url) {
    std::string address = url.toLocalFile().toStdString();
    if (url.hasFragment()) address += "#" + url.fragment().toStdString();
    return address;
}

}  // namespace

Form4View::Form4View(Form4& form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form), browser_(new QTextBrowser(this)) {
    setWindowIcon(program_icon());
    setAutoFillBackground(true);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const Form4::PushButton& model = form_.Command[i];
        buttons_[i] = new QPushButton(QString::fromStdString(model.Caption), this);
        buttons_[i]->setAutoFillBackground(true);
    }
    connect(buttons_[0], &QPushButton::clicked, this, [this] {
        form_.Command1_Click();
        sync();
    });
    connect(buttons_[1], &QPushButton::clicked, this, [this] {
        form_.Command2_Click();
        sync();
    });
    connect(buttons_[2], &QPushButton::clicked, this, [this] {
        form_.Command3_Click();
        sync();
    });
    // Escape closes the window as its Exit button does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, buttons_[2],
            &QPushButton::click);
    browser_->setAccessibleName(QStringLiteral("Help text"));
    browser_->verticalScrollBar()->setAccessibleName(QStringLiteral("Scroll the help up or down"));
    browser_->horizontalScrollBar()->setAccessibleName(
        QStringLiteral("Scroll the help left or right"));
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &Form4View::follow_link);
    lay_out(1.0);
}

PixelSize Form4View::design_twips() const {
    return {form_.Width, form_.Height};
}

void Form4View::lay_out(double scale) {
    scale_ = scale;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const Form4::PushButton& model = form_.Command[i];
        buttons_[i]->setGeometry(
            twips_to_pixels(model.Left, model.Top, model.Width, model.Height, scale));
        buttons_[i]->setFont(to_qfont(form_.ButtonFont, scale));
    }
    browser_->setFont(application_font_at(scale));
    resize(twips_to_pixels(0, 0, form_.Width, form_.Height, scale).size());
    place_browser();
}

void Form4View::place_browser() {
    const HelpBrowser& page = form_.WebBrowser1;
    browser_->setGeometry(twips_to_pixels(page.Left, page.Top, page.Width, page.Height, scale_));
}

// Places in the help go through the model's history; addresses elsewhere open outside.
void Form4View::follow_link(const QUrl& link) {
    const QUrl target = browser_->source().resolved(link);
    if (!target.isLocalFile()) {
        QDesktopServices::openUrl(target);
        return;
    }
    form_.WebBrowser1.Navigate(address_of(target));
    sync();
}

void Form4View::sync() {
    setWindowTitle(QString::fromStdString(form_.Caption));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, to_qcolor(form_.BackColor));
    setPalette(palette);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        QPalette button_palette = buttons_[i]->palette();
        button_palette.setColor(QPalette::Button, to_qcolor(form_.Command[i].BackColor));
        button_palette.setColor(QPalette::ButtonText, to_qcolor(form_.Command[i].ForeColor));
        buttons_[i]->setPalette(button_palette);
    }
    QPalette page_palette = browser_->palette();
    page_palette.setColor(QPalette::Base, to_qcolor(form_.BackColor));
    page_palette.setColor(QPalette::Text, to_qcolor(form_.PageText));
    page_palette.setColor(QPalette::Link, to_qcolor(form_.PageLink));
    browser_->setPalette(page_palette);
    // The page's links take their colour from a style sheet, read as the page is loaded: a
    // scheme applied while the window is open loads the page again.
    const QString links = QStringLiteral("a { color: %1; }").arg(to_qcolor(form_.PageLink).name());
    const bool recoloured = browser_->document()->defaultStyleSheet() != links;
    browser_->document()->setDefaultStyleSheet(links);
    place_browser();
    const HelpBrowser& page = form_.WebBrowser1;
    if (page.steps() != shown_steps_) {
        shown_steps_ = page.steps();
        const QUrl url = url_of(page.LocationURL());
        browser_->setSource(url);
        // A navigation to the page itself shows it from its start.
        if (!url.hasFragment()) browser_->verticalScrollBar()->setValue(0);
    }
    if (recoloured && !browser_->source().isEmpty()) browser_->reload();
    setVisible(form_.Visible);
}

void Form4View::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        form_.Form_Activate();
        sync();
    }
}

void Form4View::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    form_.Width = static_cast<int>(std::lround(width() * TwipsPerPixel / scale_));
    form_.Height = static_cast<int>(std::lround(height() * TwipsPerPixel / scale_));
    form_.Form_Resize();
    place_browser();
}

void Form4View::closeEvent(QCloseEvent* event) {
    form_.Form_Unload();
    event->accept();
    deleteLater();
}

}  // namespace kalder::ui
