#include "core/appearance/col_pik.h"

#include <algorithm>

#include "core/base/platform.h"
#include "core/base/vb_number.h"

namespace kalder {

namespace {

constexpr Colour LightGrey = RGB(192, 192, 192);

bool inside(const ColPik::Box& box, double x, double y) {
    return x >= box.x1 && x <= box.x2 && y >= box.y1 && y <= box.y2;
}

int scaled(int channel, float factor) {
    return round_half_even(static_cast<float>(channel) * factor);
}

}  // namespace

const std::array<Colour, 16> ColPik::Palette = {
    RGB(0, 0, 0),       RGB(0, 0, 128),   RGB(0, 128, 0),   RGB(0, 128, 128),
    RGB(128, 0, 0),     RGB(128, 0, 128), RGB(128, 128, 0), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(0, 0, 255),   RGB(0, 255, 0),   RGB(0, 255, 255),
    RGB(255, 0, 0),     RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255)};

const std::array<ColPik::Area, 8> ColPik::Labels = {{{60, 1380, 645, 165},
                                                     {788, 1380, 225, 195},
                                                     {1065, 1170, 225, 195},
                                                     {1395, 1170, 225, 195},
                                                     {1755, 1170, 225, 195},
                                                     {1050, 1380, 330, 195},
                                                     {1380, 1380, 330, 195},
                                                     {1725, 1380, 330, 195}}};

bool ColPik::on_label(double x, double y) {
    return std::any_of(Labels.begin(), Labels.end(), [x, y](const Area& label) {
        return x >= label.left && x < label.left + label.width && y >= label.top &&
               y < label.top + label.height;
    });
}

ColPik::Box ColPik::palette_box(int number) {
    const int row = number / 4;
    const int col = number % 4;
    return {10 + 65 * col, 30 + 225 * row, 65 + 65 * col, 230 + 225 * row};
}

ColPik::ColPik(const Platform& platform) : platform_(&platform) {}

Colour ColPik::clrBlackness(Colour color, int blackness) {
    const float f = static_cast<float>(blackness) / 256.0f;
    return RGB(scaled(red_of(color), f), scaled(green_of(color), f), scaled(blue_of(color), f));
}

Colour ColPik::clrWhiteness(Colour color, int whiteness) {
    const float f = static_cast<float>(256 - whiteness) / 256.0f;
    const auto whiten = [f](int c) {
        return round_half_even(static_cast<float>(c) + static_cast<float>(255 - c) * f);
    };
    return RGB(whiten(red_of(color)), whiten(green_of(color)), whiten(blue_of(color)));
}

void ColPik::set_SchemeColor(Colour colour) {
    SelectColour(colour);
}

void ColPik::SelectColour(Colour& c) {
    const Colour t = platform_->translate_colour(c);
    c = t;
    Label1_BackColor = t;
    // Each bar's change selects the colour of the bars so far; only this colour's strips stay,
    // so they are worked out once, by the outermost selection.
    const bool outermost = !selecting_;
    selecting_ = true;
    set_bar(0, red_of(t));
    set_bar(1, green_of(t));
    set_bar(2, blue_of(t));
    if (!outermost) return;
    selecting_ = false;
    if (StripsEnabled == 0) return;
    for (int i = 0; i < StripSteps; ++i) {
        black_strip[i] = clrBlackness(t, i);
        white_strip[i] = clrWhiteness(t, i);
    }
}

void ColPik::set_bar(int channel, int value) {
    if (bar_value[channel] == value) return;
    bar_value[channel] = value;
    bar_changed(channel);
}

void ColPik::bar_changed(int channel) {
    for (int n = 0; n < 3; ++n) degree_caption[n] = std::to_string(bar_value[n]);
    const int v = bar_value[channel];
    PicRGB[channel] = RGB(channel == 0 ? v : 0, channel == 1 ? v : 0, channel == 2 ? v : 0);
    Colour c = RGB(bar_value[0], bar_value[1], bar_value[2]);
    SelectColour(c);
    if (SelColor) SelColor(c);
}

void ColPik::UserControl_Resize() {
    palette_painted = true;
    Colour grey = LightGrey;
    SelectColour(grey);
}

void ColPik::UserControl_MouseUp(const MouseEvent& event) {
    if (on_label(event.X, event.Y)) return;
    Colour c = colour_at(event.X, event.Y);
    if (event.Y >= StripAreaTop) StripsEnabled = 0;
    SelectColour(c);
    StripsEnabled = 1;
    if (SelColor) SelColor(c);
}

Colour ColPik::colour_at(double x, double y) const {
    if (palette_painted) {
        for (int n = 0; n < 16; ++n) {
            if (inside(palette_box(n), x, y)) return Palette[n];
        }
    }
    const int step = static_cast<int>(x) - StripLeft;
    if (x >= StripLeft && step < StripSteps) {
        if (y >= BlackStripTop && y < BlackStripTop + StripHeight) return black_strip[step];
        if (y >= WhiteStripTop && y < WhiteStripTop + StripHeight) return white_strip[step];
    }
    return platform_->translate_colour(BackColor);
}

}  // namespace kalder
