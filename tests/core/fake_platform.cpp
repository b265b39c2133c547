#include "fake_platform.h"

#include <algorithm>
#include <sstream>

#include "core/appearance/form2.h"
#include "core/help/about_form.h"
#include "core/help/form4.h"

namespace kalder::testing {

int FakePlatform::system_message_box(const std::string& text, const std::string&,
                                     const std::string&) {
    system_messages.push_back(text);
    return take_answer(system_answers, 7);
}

bool FakePlatform::folder_writable(const std::string& path) const {
    return std::find(read_only_folders.begin(), read_only_folders.end(), path) ==
           read_only_folders.end();
}

void FakePlatform::show_help_form(Form4& form) {
    help_form = &form;
    ++help_shows;
    form.Form_Activate();
}

void FakePlatform::show_about_form(AboutForm& form) {
    form.Form_Activate();
    if (on_about) {
        on_about(form);
    } else {
        form.aboutok.release(MouseEvent{});
    }
}

void FakePlatform::close_other_windows() {
    if (help_form != nullptr && help_form->Loaded) help_form->Form_Unload();
}

std::tm FakePlatform::local_time() const {
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 5;
    const int seconds = static_cast<int>(clock_seconds);
    time.tm_hour = seconds / 3600 % 24;
    time.tm_min = seconds / 60 % 60;
    time.tm_sec = seconds % 60;
    return time;
}

std::string FakePlatform::input_box(const std::string& prompt, const std::string& title,
                                    const std::string& default_text) {
    input_boxes.push_back({prompt, title, default_text});
    return take_answer(input_answers, std::string());
}

void FakePlatform::show_options_form(Form2& form) {
    ++options_shows;
    form.Form_Activate();
}

Colour FakePlatform::translate_colour(Colour colour) const {
    if (!is_system_colour(colour)) return colour;
    return colour == SystemButtonFace ? RGB(240, 240, 240) : 0;
}

void FakePlatform::start_timer(int ms, std::function<void()> on_tick) {
    timer_tick_ = std::move(on_tick);
    timer_due_ = clock_seconds + ms / 1000.0;
}

void FakePlatform::wait_for_events() {
    if (!during_wait.empty()) {
        auto action = std::move(during_wait.front());
        during_wait.pop_front();
        action();
    }
    if (timer_tick_) {
        clock_seconds = std::max(clock_seconds, timer_due_);
        auto tick = std::move(timer_tick_);
        timer_tick_ = nullptr;
        tick();
    }
}

TextExtent FakePlatform::measure_text(const Font&, const std::string& text) const {
    std::istringstream lines(text);
    std::string line;
    TextExtent extent;
    int count = 0;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        extent.width = std::max(extent.width, static_cast<int>(line.size()) * 100);
        ++count;
    }
    extent.height = std::max(count, 1) * 200;
    return extent;
}

std::vector<std::string> FakePlatform::message_texts() const {
    std::vector<std::string> texts;
    for (const auto& message : messages) texts.push_back(message.text);
    return texts;
}

}  // namespace kalder::testing
