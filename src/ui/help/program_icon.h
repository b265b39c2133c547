#pragma once

#include <QIcon>

namespace kalder::ui {

// The program's icon (its SVG drawn at the usual sizes), shown by every window of the game.
QIcon program_icon();

}  // namespace kalder::ui
