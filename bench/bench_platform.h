#pragma once

// A platform that answers at once: no window, no waiting, the first button of every message.
#include <sstream>

#include "core/base/platform.h"
#include "core/msgbox/msg_form.h"

namespace kalder::bench {

class InstantPlatform : public Platform {
  public:
    std::string folder;

    void show_message_form(MsgForm& form) override { form.cmd_MouseUp(0, MouseEvent{}); }
    int system_message_box(const std::string&, const std::string&, const std::string&) override {
        return 6;
    }
    void show_help_form(Form4&) override {}
    void show_about_form(AboutForm&) override {}
    void close_other_windows() override {}
    void show_options_form(Form2&) override {}
    Colour translate_colour(Colour colour) const override { return colour; }
    std::string input_box(const std::string&, const std::string&, const std::string&) override {
        return "";
    }
    void start_timer(int, std::function<void()> on_tick) override { tick_ = std::move(on_tick); }
    void wait_for_events() override {
        if (auto tick = std::exchange(tick_, nullptr)) tick();
    }
    void process_events() override {}
    void set_busy_pointer(bool) override {}
    TextExtent measure_text(const Font&, const std::string& text) const override {
        return {static_cast<int>(text.size()) * 100, 200};
    }
    double seconds_since_midnight() const override { return 0; }
    std::tm local_time() const override { return std::tm{}; }
    std::string program_folder() const override { return folder; }
    std::string executable_name() const override { return "kalder-bench"; }
    std::string working_folder() const override { return folder; }
    bool folder_writable(const std::string&) const override { return true; }
    std::string user_data_folder() const override { return folder; }
    void set_working_folder(const std::string&) override {}
    std::string file_name_dialog(const FileNameRequest&) override { return ""; }

  private:
    std::function<void()> tick_;
};

}  // namespace kalder::bench
