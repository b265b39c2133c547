#pragma once

#include <QDialog>
#include <QLabel>
#include <array>

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
class MsgFormView : public QDialog {
    Q_OBJECT

  public:
    explicit MsgFormView(MsgForm& form, QWidget* parent = nullptr);

    // Shows the model's current message modally until a button or the frame closes it.
    void run();
    MsgForm& form() const { return form_; }
    QLabel* text_label() const { return label_; }
    BoxControlView* button(int index) const { return buttons_[index]; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

  private:
    void sync();
    // Frame and title bar around the client area, in pixels.
    QSize frame_size() const;

    MsgForm& form_;
    QLabel* label_;
    std::array<BoxControlView*, 3> buttons_{};
    // Pictures of icon slots 0 to 8; slots 9 and 10 have none.
    std::array<QSvgRenderer*, 9> icons_{};
};

// Runs the form modally in the one dialog kept for it as a child of parent: made on first use,
// hidden between calls and shown again at its last place. Without a parent the dialog lives
// for this call only.
void show_msg_form_modal(MsgForm& form, QWidget* parent);

}  // namespace kalder::ui
