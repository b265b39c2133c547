#pragma once

#include <functional>

#include "core/base/colour.h"
#include "core/files/colour_scheme.h"

namespace kalder {

// The colours the help window and the About box take from the scheme in use each time they
// become active, so a scheme applied meanwhile shows the next time. Their text is the board's
// dark or light text, whichever reads (4.5 : 1) on what it lies on.
struct WindowLook {
    Colour window = SystemButtonFace;  // entry 2 of the scheme
    Colour button = SystemButtonFace;  // the board's open cells
    Colour text = SystemButtonText;    // on the window
    Colour button_text = SystemButtonText;
    Colour link = SystemButtonText;  // on the window
};

// The look of a scheme's window and button colours (plain colours).
inline WindowLook window_look_of(Colour window, Colour button) {
    return {window, button, readable_text_on(window), readable_text_on(button),
            readable_link_on(window)};
}

using WindowLookSource = std::function<WindowLook()>;

}  // namespace kalder
