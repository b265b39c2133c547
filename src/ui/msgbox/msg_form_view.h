#pragma once

#include <QDialog>
#include <QLabel>
#include <array>

#include "ui/app/scaled_window.h"

class QSvgRenderer;

namespace kalder {
class MsgForm;
}

namespace kalder::ui {

class BoxControlView;

// The message box window over a MsgForm model: the icon slots, the text and the three buttons,
// sized from the model's outer size. Kept between calls, hidden, as the model is.
// Keyboard: the first button has the focus, Left/Right (and Tab) move it, Space or Enter
// clicks, Escape closes as the frame's close button does.
class MsgFormView : public QDialog, public ScaledWindow {
    Q_OBJECT

  public:
    explicit MsgFormView(MsgForm& form, QWidget* parent = nullptr);

    // Shows the model's current message modally until a button or the frame closes it.
    void run();
    MsgForm& form() const { return form_; }
    QLabel* text_label() const { return label_; }
    BoxControlView* button(int index) const { return buttons_[index]; }
    PixelSize design_twips() const override;
    void lay_out(double scale) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

  private:
    void sync();

    MsgForm& form_;
    QLabel* label_;
    std::array<BoxControlView*, 3> buttons_{};
    // Pictures of icon slots 0 to 8; slots 9 and 10 have none.
    std::array<QSvgRenderer*, 9> icons_{};
    double scale_ = 1.0;
};

// Runs the form modally in the one dialog kept for it as a child of parent, at `scale`: made on
// first use and placed over the parent's window, hidden between calls and shown again where it
// was. Without a parent the dialog lives for this call only.
void show_msg_form_modal(MsgForm& form, QWidget* parent, double scale = 1.0);

}  // namespace kalder::ui
