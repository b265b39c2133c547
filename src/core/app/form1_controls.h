#pragma once

#include <string>
#include <vector>

#include "core/base/colour.h"

namespace kalder {

// Plain state of the main window's simple controls; the view draws exactly this.

struct CellLabel {
    std::string Caption;
    bool Visible = false;
    int Left = 150;
    int Top = 570;
    int Width = 420;
    int Height = 420;
    Colour BackColor = 0;
    Colour ForeColor = LockedBack;
    std::string ToolTipText;
};

struct LineShape {
    bool Visible = false;
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    Colour BorderColor = RGB(0, 128, 0);
};

struct ImageBox {
    bool Visible = false;
    int Left = 0;
    int Top = 0;
};

struct TextBox {
    std::string Text;
    std::string ToolTipText;
    Colour BackColor = SystemButtonFace;
};

struct LabelBox {
    std::string Caption;
    std::string ToolTipText;
    Colour BackColor = RGB(0, 0, 0);
    Colour ForeColor = RGB(255, 255, 255);
};

struct RectangleShape {
    int Left, Top, Width, Height;
    Colour BorderColor = 0;
};

// A menu entry; the caption "-" is a separator. An entry whose command this build lacks is
// disabled rather than pretending to work.
struct MenuItem {
    std::string name;
    std::string caption;
    bool enabled = true;
};

struct Menu {
    std::string name;
    std::string caption;
    std::vector<MenuItem> items;
};

struct Timer {
    int Interval = 0;
    bool Enabled = false;
};

}  // namespace kalder
