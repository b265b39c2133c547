#pragma once

#include <string>

#include "core/base/colour.h"
#include "core/base/font.h"
#include "core/controls/box_control.h"
#include "core/help/window_look.h"

namespace kalder {

class Platform;

// Model of the About box: a fixed text, the version line, the program's icon and "OK". Modal;
// "OK" and Escape hide it for the next time, a click on the text or a close from the frame end
// it (the next About makes a new one).
class AboutForm {
  public:
    // Inner size, in twips.
    static constexpr int FormWidth = 6900;
    static constexpr int FormHeight = 3225;
    static constexpr int KeyEscape = 27;
    static const std::string Text;

    struct Area {
        int Left, Top, Width, Height;
    };
    struct Label {
        std::string Caption;
        Area place;
        Font font;
        Colour BackColor = SystemButtonFace;
        Colour ForeColor = LockedBack;
    };

    AboutForm(const Platform& platform, WindowLookSource look);
    AboutForm(const AboutForm&) = delete;
    AboutForm& operator=(const AboutForm&) = delete;

    // Every time the window becomes the active one: the scheme's colours.
    void Form_Activate();
    void aboutok_MouseUp(const MouseEvent& event);
    // A mouse button pressed anywhere on the text.
    void AboutText_MouseDown();
    // Returns the key code left for others: 0 once Escape has been taken.
    int Form_KeyDown(int KeyCode);
    // Closed from the frame.
    void Form_Unload();

    std::string Caption = "About Kalder";
    Colour BackColor = SystemButtonFace;
    Label AboutText{Text, {60, 60, 6225, 2700}, Font{"Arial", 8.25, false, false}};
    Label Label1{"Version 1.0", {60, 2820, 6225, 315}, Font{"MS Sans Serif", 8.25, true, false}};
    // The program's icon.
    Area Image1{6360, 90, 480, 435};
    BoxControl aboutok;
    bool Visible = false;
    // False once closed from the frame or by a click on the text.
    bool Loaded = true;

  private:
    WindowLookSource look_;
};

}  // namespace kalder
