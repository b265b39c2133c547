#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/base/colour.h"
#include "core/base/font.h"
#include "core/controls/mouse_event.h"

namespace kalder {

class Platform;

// One of the four one-unit edge lines of a button, in twips on its surface.
struct EdgeLine {
    int x1, y1, x2, y2;
    Colour colour;
};

// What a button's surface shows after its last redraw; the view paints exactly this.
struct BoxPainting {
    Colour back = 0;
    std::string caption;
    Colour fore = 0;
    Font font;
    int caption_x = 0;
    int caption_y = 0;
    std::array<EdgeLine, 4> edges{};
    std::string picture;  // icon name, "" for none
    int picture_x = 0;
    int picture_y = 0;
    int picture_width = 0;  // twips
    int picture_height = 0;
};

// Model of the program's own push button: a flat caption, an optional picture and a raised
// edge in the colours it is given, a pressed look while a mouse button is held, and press and
// release events for every mouse button, so hosts can give the right button a second meaning.
class BoxControl {
  public:
    // Pictures are painted at their natural size: the program's button icons are 24 pixels
    // square.
    static constexpr int PictureSizeTwips = 360;

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
    // Takes effect at once, without a repaint.
    void set_Enabled(bool enabled);
    // Name of one of the program's icons; "" for none.
    const std::string& Picture() const { return picture_; }
    void set_Picture(const std::string& picture);
    // 1 while a mouse button is held on the control, else 0.
    int BorderStyle() const { return border_style_; }

    // Input from the view; ignored while disabled.
    void press(const MouseEvent& event);
    void release(const MouseEvent& event);
    // Ends a press that will get no release (its key went elsewhere): no event is raised.
    void cancel_press() { border_style_ = 0; }

    std::function<void(const MouseEvent&)> MouseDown;
    std::function<void(const MouseEvent&)> MouseUp;

    const BoxPainting& painting() const { return painting_; }

  private:
    void Redraw();
    void PrintCaption(int offset);

    const Platform* platform_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::string caption_;
    Colour back_colour_ = SystemButtonText;
    Colour fore_colour_ = SystemButtonText;
    Font font_;
    bool enabled_ = true;
    std::string picture_;
    int border_style_ = 0;
    BoxPainting painting_;
};

}  // namespace kalder
