#pragma once

#include <functional>

#include "core/base/colour.h"

namespace kalder {

// The colours the help window and the About box take from the scheme in use each time they
// become active, so a scheme applied meanwhile shows the next time.
struct WindowLook {
    Colour window = SystemButtonFace;  // entry 2 of the scheme
    Colour button = SystemButtonFace;  // the board's open cells
    Colour button_text = LockedBack;   // the board's dark cell text
};

using WindowLookSource = std::function<WindowLook()>;

}  // namespace kalder
