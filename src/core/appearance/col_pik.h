#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/base/colour.h"
#include "core/base/font.h"
#include "core/controls/mouse_event.h"

namespace kalder {

class Platform;

// Model of the colour picker: a 4 x 4 palette, two shade strips (black to the colour, white to
// the colour) and red, green and blue bars, with a swatch of the selection. Positions are
// twips on the control's surface.
class ColPik {
  public:
    static constexpr int StripSteps = 257;
    static constexpr int StripLeft = 10;
    static constexpr int BlackStripTop = 950;
    static constexpr int WhiteStripTop = 1175;
    static constexpr int StripHeight = 200;
    // Picks from this height down do not repaint the strips.
    static constexpr int StripAreaTop = 900;
    static constexpr int Width = 2055;
    static constexpr int Height = 1635;
    // The red, green and blue bars, each a vertical bar over 0 to 255.
    static constexpr std::array<int, 3> BarLefts{1050, 1395, 1725};
    static constexpr int BarTop = 25;
    static constexpr int BarWidth = 250;
    static constexpr int BarHeight = 1126;
    static constexpr std::array<const char*, 3> BarNames{"Red", "Green", "Blue"};
    // The bars' values are written in their own channel's colour.
    static constexpr std::array<Colour, 3> DegreeColours{RGB(255, 0, 0), RGB(0, 192, 0),
                                                         RGB(0, 0, 255)};
    static constexpr const char* SelectedCaption = "Selected";
    static inline const Font CaptionFont{"Arial", 7.5, false, false};
    static constexpr const char* AccessibleName = "Color picker";

    struct Box {
        int x1, y1, x2, y2;  // both corners inside
    };
    struct Area {
        int left, top, width, height;
    };
    // The labels laid over the surface: the "Selected" caption, the swatch, the three channel
    // swatches and the three values. A release on one is the label's, and labels do nothing.
    static const std::array<Area, 8> Labels;
    static constexpr int SelectedLabel = 0, SwatchLabel = 1, FirstChannelLabel = 2,
                         FirstValueLabel = 5;
    static bool on_label(double x, double y);
    // The standard 16 console colours, numbered row by row on the palette.
    static const std::array<Colour, 16> Palette;
    static Box palette_box(int number);

    explicit ColPik(const Platform& platform);

    // The selection (the swatch's colour); writing it selects the colour and repaints the strips.
    Colour SchemeColor() const { return Label1_BackColor; }
    void set_SchemeColor(Colour colour);
    bool Enabled = true;

    static Colour clrBlackness(Colour color, int blackness);
    static Colour clrWhiteness(Colour color, int whiteness);

    // Raised with every choice.
    std::function<void(Colour&)> SelColor;

    // First layout and every resize: paints the palette and selects light grey.
    void UserControl_Resize();
    // A release on the surface picks the colour painted there; one on a label does nothing.
    void UserControl_MouseUp(const MouseEvent& event);
    // The user or the program moved bar n (0 red, 1 green, 2 blue).
    void set_bar(int channel, int value);

    // The colour painted at a point of the surface; the control's background elsewhere.
    Colour colour_at(double x, double y) const;

    // What the control shows.
    std::array<int, 3> bar_value{255, 255, 255};
    std::array<std::string, 3> degree_caption{"255", "255", "255"};
    std::array<Colour, 3> PicRGB{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
    Colour Label1_BackColor = RGB(192, 192, 192);
    Colour BackColor = SystemButtonFace;
    bool palette_painted = false;
    std::array<Colour, StripSteps> black_strip{};
    std::array<Colour, StripSteps> white_strip{};

  private:
    // Off only while a pick from the strips selects its colour.
    int StripsEnabled = 1;
    void SelectColour(Colour& c);
    void bar_changed(int channel);

    const Platform* platform_;
    bool selecting_ = false;
};

}  // namespace kalder
