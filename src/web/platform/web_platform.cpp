#include "web/platform/web_platform.h"

#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <ctime>
#include <utility>

#include "core/base/text_lines.h"
#include "web/bridge/page_events.h"
#include "web/bridge/page_state.h"
#include "web/bridge/system_colours.h"
#include "web/platform/page_link.h"
#include "web/platform/storage.h"

namespace kalder::web {

namespace {

// Long work (a generation) lets the page draw at most this often.
constexpr auto FrameTime = std::chrono::milliseconds(40);
// A line of text is this much higher than its font's pixel size, as the desktop's Arial is.
constexpr double LineHeight = 1.15;

}  // namespace

void WebPlatform::settle() {
    if (windows_ == nullptr) return;
    JsonWriter json;
    write_page_state(json, *windows_);
    page_link::render(json.text());
    storage::keep();
    if (const std::string refused = storage::refusal(); !refused.empty()) {
        windows_->form1.tell_once(
            "Your browser did not keep Kalder's files (" + refused +
                "). What changes now may be lost when the page closes; free some space for "
                "this site or allow it to store data.",
            "vbexclamation");
    }
}

void WebPlatform::run_event(const std::string& line) {
    if (windows_ != nullptr) ++windows_->page.events_taken;
    const auto event = parse_page_event(line);
    if (!event) return;
    if (event->window == "platform") {
        if (event->control == "timer" && event->index == timer_generation_) {
            if (auto tick = std::exchange(on_tick_, nullptr)) tick();
        }
        return;
    }
    if (windows_ != nullptr) dispatch(*windows_, *event);
}

void WebPlatform::wait_for_events() {
    // What the page has queued already is taken before it is drawn again, so it draws once the
    // state that has caught up: at the start, the game at the viewport's scale, not first at
    // the designed one.
    if (const auto line = page_link::queued_event()) {
        run_event(*line);
        return;
    }
    settle();
    run_event(page_link::next_event());
}

void WebPlatform::process_events() {
    const auto now = std::chrono::steady_clock::now();
    if (now - last_yield_ < FrameTime) return;
    settle();
    page_link::yield_to_page();
    last_yield_ = std::chrono::steady_clock::now();
    while (const auto line = page_link::queued_event()) run_event(*line);
}

void WebPlatform::show_message_form(MsgForm& form) {
    while (form.visible) wait_for_events();
}

int WebPlatform::system_message_box(const std::string& text, const std::string& title,
                                    const std::string& style) {
    SystemMessageModel& box = windows_->system_message;
    box.open(text, title, style);
    while (box.visible) wait_for_events();
    return box.result;
}

Colour WebPlatform::translate_colour(Colour colour) const {
    return plain_colour(colour);
}

std::string WebPlatform::input_box(const std::string& prompt, const std::string& title,
                                   const std::string& default_text) {
    InputBoxModel& box = windows_->input_box;
    box.open(prompt, title, default_text);
    while (box.visible) wait_for_events();
    return box.accepted ? box.text : std::string();
}

void WebPlatform::start_timer(int ms, std::function<void()> on_tick) {
    on_tick_ = std::move(on_tick);
    page_link::start_timer(std::max(ms, 0), ++timer_generation_);
}

void WebPlatform::set_busy_pointer(bool busy) {
    if (windows_ != nullptr) windows_->page.busy = busy;
}

TextExtent WebPlatform::measure_text(const Font& font, const std::string& text) const {
    const std::vector<std::string_view> lines = split_lines(text);
    double widest = 0;
    for (const std::string_view line : lines) {
        widest = std::max(widest, page_link::text_width(font, std::string(line)));
    }
    const double line_height = font.size * 96.0 / 72.0 * LineHeight;
    const auto count = static_cast<double>(std::max<std::size_t>(lines.size(), 1));
    return {static_cast<int>(std::lround(widest * 15)),
            static_cast<int>(std::lround(line_height * count * 15))};
}

double WebPlatform::seconds_since_midnight() const {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const std::tm local = local_time();
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + now.tv_nsec / 1e9;
}

std::tm WebPlatform::local_time() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string WebPlatform::program_folder() const {
    return storage::ProgramFolder;
}

std::string WebPlatform::executable_name() const {
    return "kalder";
}

std::string WebPlatform::working_folder() const {
    char folder[4096];
    if (getcwd(folder, sizeof folder) == nullptr) return "/";
    std::string path(folder);
    return path.ends_with('/') ? path : path + '/';
}

// A probe file tells: the shipped files' folder refuses it.
bool WebPlatform::folder_writable(const std::string& folder) const {
    const std::string probe = folder + ".kalder-probe";
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::string WebPlatform::user_data_folder() const {
    return storage::user_folder();
}

// A folder that cannot be entered leaves the working folder as it was.
void WebPlatform::set_working_folder(const std::string& folder) {
    [[maybe_unused]] const int entered = chdir(folder.c_str());
}

}  // namespace kalder::web
