#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/base/colour.h"
#include "core/base/font.h"
#include "core/controls/box_control.h"

namespace kalder {

class Platform;

// Model of the program's message box window. It is made once and kept: its colours, font and
// last result last from one call to the next.
class MsgForm {
  public:
    static constexpr int IconSlots = 11;
    static constexpr int ButtonCount = 3;
    static constexpr int ButtonWidth = 885;
    static constexpr int ButtonHeight = 345;

    struct TextLabel {
        std::string text;
        int left = 840;
        int top = 300;
        int width = 0;
        int height = 0;
        Colour back = 0;
        Colour fore = 0;
        Font font;
    };

    explicit MsgForm(const Platform& platform);
    MsgForm(const MsgForm&) = delete;
    MsgForm& operator=(const MsgForm&) = delete;

    // Steps of a call before the window shows: colours, text, icons, buttons and layout.
    void prepare(const std::string& s, const std::string& typ, std::int64_t BGCol,
                 std::int64_t cmdcol);
    // A click on button `index` (any mouse button) stores its code and hides the window.
    void cmd_MouseUp(int index, const MouseEvent& event);
    // Closed by the window manager: counts as the last button shown.
    void close_from_frame();

    int code_of(int index) const { return cmd_code[index]; }
    int last_button() const { return last_button_; }
    // The button Enter presses when the box opens: the first, unless the style names another.
    int default_button() const { return default_button_; }

    std::string title = "Message";
    Colour background = SystemButtonFace;
    Colour button_colour = SystemButtonFace;
    Colour text_colour = RGB(0, 0, 0);
    Font font{"Arial", 8.25, false, false};

    TextLabel Label1;
    std::array<bool, IconSlots> icons{};
    std::array<BoxControl, ButtonCount> cmd;
    std::array<int, ButtonCount> cmd_code{};
    int width = 0;  // outer size in twips
    int height = 0;
    bool visible = false;
    int result = 0;

  private:
    void add_button(const std::string& caption, int code);
    void layout();

    const Platform* platform_;
    int last_button_ = -1;
    int default_button_ = 0;
};

// Shows a message with the icon and buttons its style string names, modally; returns the code
// of the button clicked (1 Ok, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No). A colour of
// -1 keeps the box's current one.
int MsgboxA(MsgForm& form, Platform& platform, const std::string& s,
            const std::string& typ = "vbok", std::int64_t BGCol = -1, std::int64_t cmdcol = -1);

}  // namespace kalder
