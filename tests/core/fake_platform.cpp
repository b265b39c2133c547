#include "fake_platform.h"

#include <algorithm>
#include <sstream>

namespace kalder::testing {

std::string FakePlatform::input_box(const std::string& prompt, const std::string&,
                                    const std::string&) {
    input_prompts.push_back(prompt);
    if (input_answers.empty()) return "";
    std::string answer = input_answers.front();
    input_answers.pop_front();
    return answer;
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
        return;
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
