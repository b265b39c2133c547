#include "core/controls/box_control.h"

#include "core/base/platform.h"
#include "core/base/vb_number.h"

namespace kalder {

namespace {

constexpr Colour White = RGB(255, 255, 255);
constexpr Colour Black = RGB(0, 0, 0);

}  // namespace

BoxControl::BoxControl(const Platform& platform) : platform_(&platform) {
    Redraw();
}

void BoxControl::move(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    const bool resized = width != width_ || height != height_;
    width_ = width;
    height_ = height;
    if (resized) Redraw();
}

void BoxControl::set_Caption(const std::string& caption) {
    caption_ = caption;
    Redraw();
}

void BoxControl::set_BackColor(Colour colour) {
    back_colour_ = colour;
    Redraw();
}

void BoxControl::set_ForeColor(Colour colour) {
    fore_colour_ = colour;
    Redraw();
}

void BoxControl::set_Font(const Font& font) {
    font_ = font;
    Redraw();
}

void BoxControl::set_FontSize(double size) {
    font_.size = size;
    Redraw();
}

void BoxControl::set_FontBold(bool bold) {
    font_.bold = bold;
    Redraw();
}

void BoxControl::set_FontItalic(bool italic) {
    font_.italic = italic;
    Redraw();
}

void BoxControl::set_Enabled(bool enabled) {
    enabled_ = enabled;
}

void BoxControl::set_Picture(const std::string& picture) {
    picture_ = picture;
    Redraw();
}

void BoxControl::press(const MouseEvent& event) {
    if (!enabled_) return;
    border_style_ = 1;
    if (MouseDown) MouseDown(event);
}

void BoxControl::release(const MouseEvent& event) {
    if (!enabled_) return;
    border_style_ = 0;
    if (MouseUp) MouseUp(event);
}

void BoxControl::PrintCaption(int offset) {
    painting_.back = back_colour_;
    painting_.caption = caption_;
    painting_.fore = fore_colour_;
    painting_.font = font_;
    const int a = round_half_even(platform_->measure_text(font_, caption_).width);
    const int b = round_half_even(platform_->measure_text(font_, "W").height);
    painting_.caption_x = (width_ - a) / 2 + offset;
    painting_.caption_y = (height_ - b) / 2 + offset;
}

void BoxControl::Redraw() {
    PrintCaption(0);
    const int w = width_;
    const int h = height_;
    painting_.edges = {EdgeLine{0, 0, 0, h, White}, EdgeLine{0, 0, w, 0, White},
                       EdgeLine{w - 20, 20, w - 20, h - 20, Black},
                       EdgeLine{20, h - 20, w - 20, h - 20, Black}};
    painting_.picture = picture_;
    if (!picture_.empty()) {
        // The picture's own size is in hundredths of a millimetre: 1440 twips = 2540 units.
        const double size_units = PictureSizeTwips * 2540.0 / 1440.0;
        painting_.picture_width = painting_.picture_height = PictureSizeTwips;
        painting_.picture_x = round_half_even((w - size_units / 2) / 2 - 24);
        painting_.picture_y = round_half_even((h - size_units / 2) / 2 - 24);
    }
}

}  // namespace kalder
