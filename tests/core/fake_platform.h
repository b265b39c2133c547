#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/appearance/form2.h"
#include "core/base/platform.h"
#include "core/help/about_form.h"
#include "core/help/form4.h"

namespace kalder::testing {

// The front of a queue of scripted answers, taken; `fallback` when it is empty.
template <typename T>
T take_answer(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

// A message the game showed through the message-box window.
struct ShownMessage {
    std::string text;
    std::vector<std::string> buttons;  // captions, left to right
    std::vector<int> icon_slots;       // visible icon slots
};

// Scripted platform: queued answers, a fake clock that waiting advances, a record of every
// message shown. Nothing here touches a display.
class FakePlatform : public Platform {
  public:
    // Button codes to click in coming message boxes; 0 or an empty queue presses Enter, which
    // clicks the default button. The code -1 closes the box from its frame instead.
    std::deque<int> message_answers;
    std::vector<ShownMessage> messages;
    // Runs when a message box shows, before it is answered.
    std::function<void()> on_message;

    // Codes for coming system message boxes; when empty Enter answers the default button's.
    std::deque<int> system_answers;
    std::vector<std::string> system_messages;

    // The help window shown last. Showing activates it.
    Form4* help_form = nullptr;
    // Runs while the About box is up, after its activation; when unset, "OK" is clicked.
    std::function<void(AboutForm&)> on_about;

    // Answers for coming input boxes; when empty the box is cancelled ("").
    std::deque<std::string> input_answers;
    std::vector<std::string> input_boxes;  // "prompt|title|default text"

    // What every file dialog answers ("" cancels); each moves the working folder, as one may.
    std::string file_answer;
    std::vector<FileNameRequest> file_requests;

    // One runs at each wait (inside a Pause) before the timer fires: events during a pause.
    std::deque<std::function<void()>> during_wait;

    std::string folder = "./";
    std::string working = "./";
    // Folders that refuse new files, and the user's data folder.
    std::vector<std::string> read_only_folders;
    std::string user_data = "./user-data/";
    double clock_seconds = 12 * 3600.0;
    bool busy = false;
    // Runs each time pending events are let run.
    std::function<void()> on_process_events;
    // What the game asked of the window system, in order: 'M' a message box, 'O' the Options
    // dialog, '~' pending events let run, '+' and '-' the busy pointer on and off.
    std::string trace;

    void show_message_form(MsgForm& form) override;
    int system_message_box(const std::string& text, const std::string&,
                           const std::string& style) override;
    void show_help_form(Form4& form) override {
        help_form = &form;
        form.Form_Activate();
    }
    void show_about_form(AboutForm& form) override {
        form.Form_Activate();
        on_about ? on_about(form) : form.aboutok.release(MouseEvent{});
    }
    // Closes the help window from its frame, as the window system would.
    void close_other_windows() override {
        if (help_form != nullptr && help_form->Loaded) help_form->Form_Unload();
    }
    std::string input_box(const std::string& prompt, const std::string& title,
                          const std::string& default_text) override {
        input_boxes.push_back(prompt + "|" + title + "|" + default_text);
        return take_answer(input_answers, std::string());
    }
    // Shows and activates the Options dialog, then presses its Exit.
    void show_options_form(Form2& form) override {
        trace += 'O';
        form.Visible = true;
        form.Form_Activate();
        form.Command2.release(MouseEvent{});
    }
    // The button face stands for RGB(240, 240, 240); other system colours for none (0).
    Colour translate_colour(Colour colour) const override {
        if (!is_system_colour(colour)) return colour;
        return colour == SystemButtonFace ? RGB(240, 240, 240) : 0;
    }
    void start_timer(int ms, std::function<void()> on_tick) override {
        timer_tick_ = std::move(on_tick);
        timer_due_ = clock_seconds + ms / 1000.0;
    }
    void wait_for_events() override;
    void process_events() override {
        trace += '~';
        if (on_process_events) on_process_events();
    }
    void set_busy_pointer(bool on) override {
        busy = on;
        trace += on ? '+' : '-';
    }
    // Every character 100 twips wide, every line 200 twips high.
    TextExtent measure_text(const Font& font, const std::string& text) const override;
    double seconds_since_midnight() const override { return clock_seconds; }
    // 5 December 2026, at the fake clock's time of day.
    std::tm local_time() const override;
    std::string program_folder() const override { return folder; }
    std::string executable_name() const override { return "kalder"; }
    std::string working_folder() const override { return working; }
    bool folder_writable(const std::string& path) const override {
        return std::find(read_only_folders.begin(), read_only_folders.end(), path) ==
               read_only_folders.end();
    }
    std::string user_data_folder() const override { return user_data; }
    void set_working_folder(const std::string& folder) override { working = folder; }
    std::string file_name_dialog(const FileNameRequest& request) override {
        file_requests.push_back(request);
        working = "/moved/by/the/dialog/";
        return file_answer;
    }

    // Texts of all messages shown so far.
    std::vector<std::string> message_texts() const;

  private:
    std::function<void()> timer_tick_;
    double timer_due_ = 0;
};

}  // namespace kalder::testing
