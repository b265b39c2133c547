#pragma once

#include <optional>
#include <string>

#include "core/base/font.h"

// The calls between the game and its page: the page's event queue, its drawing and what only
// the browser knows.
namespace kalder::web::page_link {

// The next event line, waiting (and letting the page run) until the page sends one.
std::string next_event();
// The next event line already queued, without waiting.
std::optional<std::string> queued_event();
// Lets the page draw and run its own work before the game goes on.
void yield_to_page();
// Hands the page's whole state, one JSON object, to its views.
void render(const std::string& state);
// Queues a timer event (platform, timer, tick, `generation`) after `ms` milliseconds.
void start_timer(int ms, int generation);
// Printed width of one line of text in pixels at the designed size.
double text_width(const Font& font, const std::string& line);
// The game has ended: the page closes or says so.
void end_program();

}  // namespace kalder::web::page_link
