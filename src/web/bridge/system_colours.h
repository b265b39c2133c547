#pragma once

#include "core/base/colour.h"

namespace kalder::web {

// A system colour reference as the page shows it (the classic light window palette); a plain
// colour comes back unchanged.
Colour plain_colour(Colour colour);

}  // namespace kalder::web
