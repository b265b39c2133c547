#pragma once

#include <array>
#include <string>

#include "core/base/colour.h"
#include "core/base/font.h"
#include "core/help/help_browser.h"
#include "core/help/window_look.h"

namespace kalder {

// Model of the help window: three buttons over the help page. Modeless; "Exit" hides it, a
// close from the frame ends it (the next Help makes a new one).
class Form4 {
  public:
    // Inner size at first, in twips.
    static constexpr int DesignWidth = 7185;
    static constexpr int DesignHeight = 5625;

    // A plain push button that takes a background colour.
    struct PushButton {
        std::string Caption;
        int Left, Top, Width, Height;
        Colour BackColor = SystemButtonFace;
        Colour ForeColor = SystemButtonText;
    };

    explicit Form4(WindowLookSource look);

    // Every time the window becomes the active one: the page from its start, the scheme's colours.
    void Form_Activate();
    // "Back" and "Forward" step through the history; nothing at its ends.
    void Command1_Click();
    void Command2_Click();
    // "Exit" hides the window.
    void Command3_Click();
    // The view's new inner size is in Width and Height; the page view follows it.
    void Form_Resize();
    // Closed from the frame.
    void Form_Unload();

    std::string Caption = "Kalder Help";
    int Width = DesignWidth;
    int Height = DesignHeight;
    Colour BackColor = SystemButtonFace;
    // The page to show, set by the caller before showing the window.
    std::string Tag;
    std::array<PushButton, 3> Command{{{"Back", 60, 30, 1095, 375},
                                       {"Forward", 1155, 30, 1095, 375},
                                       {"Exit", 2244, 30, 1095, 375}}};
    Font ButtonFont{"Arial", 8.25, false, false};
    // Links followed in the page navigate it directly. The page is shown on the window's colour,
    // its text and links in colours that read on it.
    HelpBrowser WebBrowser1;
    Colour PageText = SystemButtonText;
    Colour PageLink = SystemButtonText;
    bool Visible = false;
    // False once closed from the frame.
    bool Loaded = true;

  private:
    WindowLookSource look_;
};

}  // namespace kalder
