#pragma once

#include <QPushButton>
#include <QTextBrowser>
#include <QWidget>
#include <array>
#include <cstddef>

#include "ui/app/scaled_window.h"

namespace kalder {
class Form4;
}

namespace kalder::ui {

// The help window over a Form4 model: the three buttons and the help page in a text browser.
// The model keeps the history; links followed in the page are handed to it, and the browser
// shows whatever place the model holds. Closed from the frame, the window ends for good.
class Form4View : public QWidget, public ScaledWindow {
    Q_OBJECT

  public:
    Form4View(Form4& form, QWidget* parent);

    Form4& form() const { return form_; }
    QTextBrowser* browser() const { return browser_; }
    QPushButton* button(int index) const { return buttons_[index]; }
    // Brings the window in line with the model, showing or hiding it.
    void sync();
    PixelSize design_twips() const override;
    void lay_out(double scale) override;

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void follow_link(const QUrl& link);
    void place_browser();

    Form4& form_;
    std::array<QPushButton*, 3> buttons_{};
    QTextBrowser* browser_;
    // The model's navigation count last shown.
    std::size_t shown_steps_ = 0;
    double scale_ = 1.0;
};

}  // namespace kalder::ui
