#pragma once

#include "core/base/window_scale.h"
#include "web/bridge/json_writer.h"
#include "web/bridge/page_event.h"

namespace kalder::web {

// The page as a whole: the scale it shows the game at, fitted to the viewport as the desktop
// fits its screen and moved by the player's own steps (Ctrl + and Ctrl -), and the busy pointer.
struct PageView {
    // The game's client area and menu bar at the designed size, in twips.
    static constexpr int DesignWidth = 4890;
    static constexpr int DesignHeight = 5400 + 330;

    PixelSize viewport{DesignWidth / 15, DesignHeight / 15};
    // The player's steps from the fit; kept by the page between visits.
    int scale_offset = 0;
    bool busy = false;
    // How many of the page's queued events the game has taken: the page knows what a state
    // it draws has seen.
    long long events_taken = 0;

    // Quarter steps from the designed size up; below it only where the viewport is smaller
    // than the designed size, so a small phone sees the whole game.
    double scale() const;
    int fit_steps() const;
    int steps() const;
};

void write_page_view(JsonWriter& json, const PageView& page);
// "viewport" "resize" with "width height" as text; "scale" "larger", "smaller", "fit", and
// "offset" with the steps the page kept as index.
void dispatch_page_view(PageView& page, const PageEvent& event);

}  // namespace kalder::web
