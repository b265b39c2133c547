#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/controls/mouse_event.h"

namespace kalder::web {

// One event the page sends, as one line of tab-separated fields:
// window, control, action, index, button, shift, text (the text last, so it may hold tabs).
struct PageEvent {
    std::string window;
    std::string control;
    std::string action;
    int index = 0;
    int button = LeftButton;
    int shift = 0;
    std::string text;

    // The mouse event of a click, as the models' handlers take it.
    MouseEvent mouse() const { return {button, shift, 0, 0}; }

    bool operator==(const PageEvent&) const = default;
};

// Nothing when the line is not a whole event: too few fields, or a number that is not one.
std::optional<PageEvent> parse_page_event(std::string_view line);

// Reads an event's text of whole numbers, one blank between each ("x y", "width height"), into
// numbers; false, numbers undefined, unless the text is exactly that many numbers.
bool read_numbers(std::string_view text, std::span<int> numbers);
// Reads "width height", both positive, into width and height; false, both untouched, otherwise.
bool read_size(std::string_view text, int& width, int& height);

}  // namespace kalder::web
