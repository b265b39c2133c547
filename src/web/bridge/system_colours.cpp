#include "web/bridge/system_colours.h"

namespace kalder::web {

Colour plain_colour(Colour colour) {
    if (!is_system_colour(colour)) return colour;
    switch (colour & 0xFF) {
        case 0x05:  // window
            return RGB(255, 255, 255);
        case 0x08:  // window text
        case 0x12:  // button text
            return RGB(0, 0, 0);
        case 0x0D:  // highlight
            return RGB(0, 120, 215);
        case 0x0E:  // highlighted text
            return RGB(255, 255, 255);
        default:  // button face and the rest of the window's frame
            return RGB(240, 240, 240);
    }
}

}  // namespace kalder::web
