#include "web/bridge/page_view.h"

#include <algorithm>
#include <cmath>

namespace kalder::web {

namespace {

PixelSize outer_size(int steps) {
    const double scale = scale_of_steps(steps);
    return {static_cast<int>(std::lround(PageView::DesignWidth * scale / TwipsPerPixelAt96)),
            static_cast<int>(std::lround(PageView::DesignHeight * scale / TwipsPerPixelAt96))};
}

}  // namespace

int PageView::fit_steps() const {
    return fitting_scale_steps(outer_size, viewport);
}

int PageView::steps() const {
    return fitting_scale_steps(outer_size, viewport, fit_steps() + scale_offset);
}

double PageView::scale() const {
    const PixelSize designed = outer_size(0);
    if (designed.width <= viewport.width && designed.height <= viewport.height) {
        return scale_of_steps(steps());
    }
    return std::min(static_cast<double>(viewport.width) / designed.width,
                    static_cast<double>(viewport.height) / designed.height);
}

void write_page_view(JsonWriter& json, const PageView& page) {
    json.begin_object()
        .field("scale", page.scale())
        .field("scaleOffset", page.scale_offset)
        .field("busy", page.busy)
        .field("eventsTaken", page.events_taken)
        .end_object();
}

void dispatch_page_view(PageView& page, const PageEvent& event) {
    if (event.control == "viewport" && event.action == "resize") {
        PixelSize size;
        if (read_size(event.text, size.width, size.height)) page.viewport = size;
        return;
    }
    if (event.control != "scale") return;
    // A step that does not fit is not taken, as the desktop's window stays on its screen.
    const int now = page.steps();
    const auto step_to = [&page](int wanted) {
        page.scale_offset =
            fitting_scale_steps(outer_size, page.viewport, std::max(wanted, 0)) - page.fit_steps();
    };
    if (event.action == "larger") {
        step_to(now + 1);
    } else if (event.action == "smaller") {
        step_to(now - 1);
    } else if (event.action == "fit") {
        page.scale_offset = 0;
    } else if (event.action == "offset") {
        page.scale_offset = std::clamp(event.index, -MaxScaleSteps, MaxScaleSteps);
    }
}

}  // namespace kalder::web
