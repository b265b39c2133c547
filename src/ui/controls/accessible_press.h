#pragma once

#include <QWidget>

namespace kalder::ui {

// A widget that assistive technology presses as the player clicks it: it reads as a push
// button whose Press action runs accessible_press().
class AccessiblePress {
  public:
    virtual void accessible_press() = 0;
    // The keyboard's cursor is on it, though the focus is its host's: read as focused.
    virtual bool has_cursor() const { return false; }

  protected:
    AccessiblePress() = default;
    AccessiblePress(const AccessiblePress&) = default;
    AccessiblePress& operator=(const AccessiblePress&) = default;
    ~AccessiblePress() = default;
};

// Sets the widget's accessible name on a change only: every set raises the event a screen
// reader speaks.
inline void update_accessible_name(QWidget& widget, const QString& name) {
    if (widget.accessibleName() != name) widget.setAccessibleName(name);
}

}  // namespace kalder::ui
