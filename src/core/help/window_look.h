#pragma once

#include <functional>

#include "core/base/colour.h"

namespace kalder {

// The colours the help window and the About box take from the scheme in use each time they
// become active, so a scheme applied meanwhile shows the next time. Their text stays the
// board's dark cell text, readable on the open-cell colour of every scheme.
struct WindowLook {
    Colour window = SystemButtonFace;  // entry 2 of the scheme
    Colour button = SystemButtonFace;  // the board's open cells
};

using WindowLookSource = std::function<WindowLook()>;

}  // namespace kalder
