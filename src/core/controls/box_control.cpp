#include "core/controls/box_control.h"

#include "core/base/platform.h"
#include "core/base/vb_number.h"

namespace kalder {

namespace {

constexpr Colour White = RGB(255, 255, 255);
constexpr Colour Black = RGB(0, 0, 0);
constexpr double LoadedFontSize = 8;

template <typename T>
T stored_or(const PropertyBag& bag, const std::string& key, const T& fallback) {
    const auto found = bag.find(key);
    if (found == bag.end()) return fallback;
    if (const T* value = std::get_if<T>(&found->second)) return *value;
    return fallback;
}

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

void BoxControl::changed(const std::string& name, bool redraw) {
    if (PropertyChanged) PropertyChanged(name);
    if (redraw) Redraw();
}

void BoxControl::set_Caption(const std::string& caption) {
    caption_ = caption;
    changed("Caption");
}

void BoxControl::set_BackColor(Colour colour) {
    back_colour_ = colour;
    changed("BackColor");
}

void BoxControl::set_ForeColor(Colour colour) {
    fore_colour_ = colour;
    changed("ForeColor");
}

void BoxControl::set_Font(const Font& font) {
    font_ = font;
    changed("Font");
}

void BoxControl::set_FontSize(double size) {
    font_.size = size;
    changed("FontSize");
}

void BoxControl::set_FontBold(bool bold) {
    font_.bold = bold;
    changed("FontBold");
}

void BoxControl::set_FontItalic(bool italic) {
    font_.italic = italic;
    changed("FontItalic");
}

void BoxControl::set_Enabled(bool enabled) {
    enabled_ = enabled;
    changed("Enabled", false);
}

void BoxControl::set_Picture(const std::string& picture) {
    picture_ = picture;
    changed("Picture");
}

void BoxControl::ReadProperties(const PropertyBag& bag, const Font& host_font) {
    enabled_ = stored_or(bag, "Enabled", true);
    font_.name = stored_or(bag, "Font", host_font.name);
    caption_ = stored_or(bag, "Caption", caption_);
    border_style_ = stored_or(bag, "BorderStyle", 0.0) != 0 ? 1 : 0;
    fore_colour_ = stored_or(bag, "ForeColor", SystemButtonText);
    font_.size = stored_or(bag, "FontSize", LoadedFontSize);
    font_.bold = stored_or(bag, "FontBold", false);
    font_.italic = stored_or(bag, "FontItalic", false);
    // The design default is the button-text colour, not the button face.
    back_colour_ = stored_or(bag, "BackColor", SystemButtonText);
    picture_ = stored_or(bag, "Picture", std::string());
    Redraw();
}

PropertyBag BoxControl::WriteProperties(const Font& host_font) const {
    PropertyBag bag;
    if (!enabled_) bag["Enabled"] = false;
    if (font_.name != host_font.name) bag["Font"] = font_.name;
    if (!caption_.empty()) bag["Caption"] = caption_;
    if (border_style_ != 0) bag["BorderStyle"] = static_cast<double>(border_style_);
    if (fore_colour_ != SystemButtonText) bag["ForeColor"] = fore_colour_;
    if (font_.size != 0) bag["FontSize"] = font_.size;
    if (font_.bold) bag["FontBold"] = true;
    if (font_.italic) bag["FontItalic"] = true;
    if (back_colour_ != SystemButtonText) bag["BackColor"] = back_colour_;
    if (!picture_.empty()) bag["Picture"] = picture_;
    return bag;
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
    ++redraw_count_;
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
