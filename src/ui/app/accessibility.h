#pragma once

namespace kalder::ui {

// Lets screen readers see the program's own widgets for what they are: the pressable ones as
// push buttons with a Press action, the message box as an alert. Safe to call more than once.
void install_accessibility();

}  // namespace kalder::ui
