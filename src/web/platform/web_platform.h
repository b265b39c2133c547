#pragma once

#include <chrono>
#include <functional>

#include "core/base/platform.h"
#include "web/bridge/web_windows.h"

namespace kalder::web {

// The platform seam in the browser. The one loop of the game lives here: it waits for the
// page's next event and hands it to the window it names; modal windows and Pause are that loop
// nested, as on the desktop. Whenever it lets events run, the page is drawn anew from the
// models and the player's files are kept.
class WebPlatform : public Platform {
  public:
    // The windows the page shows, once the main window's model exists.
    void attach(WebWindows& windows) { windows_ = &windows; }

    void show_message_form(MsgForm& form) override;
    int system_message_box(const std::string& text, const std::string& title,
                           const std::string& style) override;
    void show_help_form(Form4& form) override;
    void show_about_form(AboutForm& form) override;
    void close_other_windows() override;
    void show_options_form(Form2& form) override;
    Colour translate_colour(Colour colour) const override;
    std::string input_box(const std::string& prompt, const std::string& title,
                          const std::string& default_text) override;
    std::string file_name_dialog(const FileNameRequest& request) override;
    void start_timer(int ms, std::function<void()> on_tick) override;
    void wait_for_events() override;
    void process_events() override;
    void set_busy_pointer(bool busy) override;
    TextExtent measure_text(const Font& font, const std::string& text) const override;
    double seconds_since_midnight() const override;
    std::tm local_time() const override;
    std::string program_folder() const override;
    std::string executable_name() const override;
    std::string working_folder() const override;
    bool folder_writable(const std::string& folder) const override;
    std::string user_data_folder() const override;
    void set_working_folder(const std::string& folder) override;

  private:
    // Draws the page, keeps the player's files and tells of storage the browser refused.
    void settle();
    void run_event(const std::string& line);

    WebWindows* windows_ = nullptr;
    std::function<void()> on_tick_;
    // Only the last timer started ticks: a restart makes the earlier one stale.
    int timer_generation_ = 0;
    std::chrono::steady_clock::time_point last_yield_{};
};

}  // namespace kalder::web
