#include "web/platform/page_link.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

namespace kalder::web::page_link {

namespace {

// The page's functions, handed to the module when the page makes it (see main.js). The
// bodies are JavaScript, which clang-format would take for C++.
// clang-format off
EM_ASYNC_JS(char*, next_event_line, (), {
    const line = await Module.kalderPage.nextEvent();
    return allocateUTF8(line);
});

EM_JS(char*, queued_event_line, (), {
    const line = Module.kalderPage.takeEvent();
    return line === null ? 0 : allocateUTF8(line);
});

// Until the page has drawn a frame; a hidden page draws none, so a timer ends the wait too.
EM_ASYNC_JS(void, next_frame, (), {
    await new Promise(function(done) {
        requestAnimationFrame(function() { setTimeout(done, 0); });
        setTimeout(done, 100);
    });
});

EM_JS(void, render_state, (const char* state), {
    Module.kalderPage.render(UTF8ToString(state));
});

EM_JS(void, start_page_timer, (int ms, int generation), {
    setTimeout(function() {
        Module.kalderPage.post("platform", "timer", "tick", generation, 0, 0, "");
    }, ms);
});

EM_JS(double, measure_width,
      (const char* name, double pixels, int bold, int italic, const char* text), {
    return Module.kalderPage.textWidth(UTF8ToString(name), pixels, bold, italic,
                                       UTF8ToString(text));
});

EM_JS(void, end_page, (), {
    Module.kalderPage.end();
});
// clang-format on

struct FreeLine {
    void operator()(char* line) const { std::free(line); }
};

std::string take(char* line) {
    const std::unique_ptr<char, FreeLine> owned(line);
    return owned ? std::string(owned.get()) : std::string();
}

}  // namespace

std::string next_event() {
    return take(next_event_line());
}

std::optional<std::string> queued_event() {
    char* const line = queued_event_line();
    if (line == nullptr) return std::nullopt;
    return take(line);
}

void yield_to_page() {
    next_frame();
}

void render(const std::string& state) {
    render_state(state.c_str());
}

void start_timer(int ms, int generation) {
    start_page_timer(ms, generation);
}

// Sizes are in points; the page measures in CSS pixels at 96 to the inch, as the desktop does.
double text_width(const Font& font, const std::string& line) {
    return measure_width(font.name.c_str(), font.size * 96.0 / 72.0, font.bold, font.italic,
                         line.c_str());
}

void end_program() {
    end_page();
}

}  // namespace kalder::web::page_link
