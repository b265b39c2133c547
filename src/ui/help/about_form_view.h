#pragma once

#include <QDialog>
#include <QLabel>

#include "ui/app/scaled_window.h"

namespace kalder {
class AboutForm;
}

namespace kalder::ui {

class BoxControlView;

// The About box over an AboutForm model: the text, the version line, the icon and "OK".
// "OK" and Escape hide it for reuse; a click on the text or a close from the frame end it,
// and the model says so (Loaded false) for its owner to let the window go.
class AboutFormView : public QDialog, public ScaledWindow {
    Q_OBJECT

  public:
    AboutFormView(AboutForm& form, QWidget* parent);

    AboutForm& form() const { return form_; }
    QLabel* text_box() const { return text_; }
    BoxControlView* ok_button() const { return ok_; }
    // Shows the box modally until the model hides or ends it.
    void run();
    PixelSize design_twips() const override;
    void lay_out(double scale) override;

  protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void sync();

    AboutForm& form_;
    QLabel* text_;
    QLabel* version_;
    QLabel* icon_;
    BoxControlView* ok_;
    double scale_ = 1.0;
};

}  // namespace kalder::ui
