#pragma once

#include <QDialog>
#include <QLabel>
#include <array>

namespace kalder {
class MsgForm;
}

namespace kalder::ui {

class BoxControlView;

// The message box window over a MsgForm model. Kept between calls, hidden, as the model is.
class MsgFormView : public QDialog {
    Q_OBJECT

  public:
    explicit MsgFormView(MsgForm& form);

    // Shows the model's current message modally until a button or the frame closes it.
    void run();
    QLabel* text_label() const { return label_; }
    BoxControlView* button(int index) const { return buttons_[index]; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void reject() override;

  private:
    void sync();

    MsgForm& form_;
    QLabel* label_;
    std::array<BoxControlView*, 3> buttons_{};
};

}  // namespace kalder::ui
