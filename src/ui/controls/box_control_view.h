#pragma once

#include <QWidget>

#include "ui/controls/accessible_press.h"

namespace kalder {
class BoxControl;
}

namespace kalder::ui {

// Paints a BoxControl model and feeds it the mouse (button, shift state and position in
// twips); Space and Enter press it like a left click, Shift+Space, Shift+Enter and the Menu key
// like a right click, so every button and its second meaning can be used from the keyboard.
// Screen readers see a push button named by its tooltip (or caption) with a Press action.
class BoxControlView : public QWidget, public AccessiblePress {
    Q_OBJECT

  public:
    BoxControlView(BoxControl& model, QWidget* parent);

    // Places the view at the model's position, scaled, and repaints it.
    void sync(double scale);
    BoxControl& model() const { return model_; }
    // A left click, pressed and released.
    void accessible_press() override;

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
    // The mouse button a held key stands for. A key release activates only after its press
    // arrived here, not one left over from a key pressed in another window.
    int key_button_ = 0;
};

}  // namespace kalder::ui
