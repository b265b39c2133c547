#pragma once

#include <functional>
#include <string>

#include "core/app/colour.h"
#include "core/app/font.h"
#include "core/controls/mouse_event.h"

namespace kalder {

class Platform;

// Model of the program's own push button. (Interface sketch: implementation, painting
// description and property bag to be completed.)
class BoxControl {
  public:
    explicit BoxControl(const Platform& platform);

    // Placement on the host, in twips; a change of size redraws.
    void move(int left, int top, int width, int height);
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Visible = true;
    std::string ToolTipText;

    const std::string& Caption() const { return caption_; }
    void set_Caption(const std::string& caption);
    Colour BackColor() const { return back_colour_; }
    void set_BackColor(Colour colour);
    Colour ForeColor() const { return fore_colour_; }
    void set_ForeColor(Colour colour);
    const Font& GetFont() const { return font_; }
    void set_Font(const Font& font);
    void set_FontSize(double size);
    void set_FontBold(bool bold);
    void set_FontItalic(bool italic);
    bool Enabled() const { return enabled_; }
    void set_Enabled(bool enabled);
    // Name of a picture resource (an icon of the program); "" for none.
    const std::string& Picture() const { return picture_; }
    void set_Picture(const std::string& picture);

    // Input from the view; ignored while disabled.
    void press(const MouseEvent& event);
    void release(const MouseEvent& event);

    std::function<void(const MouseEvent&)> MouseDown;
    std::function<void(const MouseEvent&)> MouseUp;

  private:
    const Platform* platform_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::string caption_;
    Colour back_colour_ = SystemButtonText;
    Colour fore_colour_ = SystemButtonText;
    Font font_;
    bool enabled_ = true;
    std::string picture_;
};

}  // namespace kalder
