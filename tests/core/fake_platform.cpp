#include "fake_platform.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "core/base/text_lines.h"

namespace kalder::testing {

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

void FakePlatform::wait_for_events() {
    if (!during_wait.empty()) take_answer(during_wait, {})();
    if (timer_tick_) {
        clock_seconds = std::max(clock_seconds, timer_due_);
        std::exchange(timer_tick_, nullptr)();
    }
}

TextExtent FakePlatform::measure_text(const Font&, const std::string& text) const {
    TextExtent extent{0, 0};
    for (const std::string_view line : split_lines(text)) {
        extent.width = std::max(extent.width, static_cast<int>(line.size()) * 100);
        extent.height += 200;
    }
    extent.height = std::max(extent.height, 200);
    return extent;
}

std::vector<std::string> FakePlatform::message_texts() const {
    std::vector<std::string> texts;
    for (const auto& message : messages) texts.push_back(message.text);
    return texts;
}

}  // namespace kalder::testing
