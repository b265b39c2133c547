#pragma once

namespace kalder {

// Mouse button codes and shift state as the program's events carry them.
enum MouseButton : int { NoButton = 0, LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum ShiftState : int { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

struct MouseEvent {
    int Button = LeftButton;
    int Shift = 0;
    double X = 0;  // twips, relative to the control
    double Y = 0;
};

}  // namespace kalder
