#pragma once

#include <QWidget>

namespace kalder {
class BoxControl;
}

namespace kalder::ui {

// Paints a BoxControl model and feeds it the mouse (button, shift state and position in
// twips); Space and Enter press it like a left click, so every button can be used from the
// keyboard.
class BoxControlView : public QWidget {
    Q_OBJECT

  public:
    BoxControlView(BoxControl& model, QWidget* parent);

    // Places the view at the model's position, scaled, and repaints it.
    void sync(double scale);
    BoxControl& model() const { return model_; }

  signals:
    // The model's release event has run.
    void released();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    BoxControl& model_;
    double scale_ = 1.0;
    // A key release activates only after its press arrived here, not one left over from a
    // key pressed in another window.
    bool key_held_ = false;
};

}  // namespace kalder::ui
