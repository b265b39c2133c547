#pragma once

#include <ctime>
#include <functional>
#include <string>

#include "core/base/colour.h"
#include "core/base/font.h"

namespace kalder {

class AboutForm;
class Form2;
class Form4;
class MsgForm;

// What an Open or Save dialog is asked to show: one filter, a start folder and a title.
struct FileNameRequest {
    bool save = false;
    std::string filter_label;  // "Kalder Files (*.kdr;*.txt;*.dat)"
    std::string patterns;      // ";"-separated: "*.kdr;*.txt;*.dat"
    std::string start_folder;  // with a trailing '/'
    std::string title;

    bool operator==(const FileNameRequest&) const = default;
};

// Everything the game needs of the window system and the machine. The Qt implementation
// lives in ui/; tests use a scripted fake.
class Platform {
  public:
    virtual ~Platform() = default;

    // Shows the message-box window modally; returns once a button (or the frame) closed it.
    virtual void show_message_form(MsgForm& form) = 0;
    // The system's own message box; style uses the message-box tokens ("vbyesno"); returns
    // the code of the clicked button (6 Yes, 7 No, 1 Ok, 2 Cancel).
    virtual int system_message_box(const std::string& text, const std::string& title,
                                   const std::string& style) = 0;
    // Shows the help window beside the game and returns at once; its window is made on first use.
    virtual void show_help_form(Form4& form) = 0;
    // Shows the About box modally; returns once it is hidden or closed.
    virtual void show_about_form(AboutForm& form) = 0;
    // Closes every window but the main one, each as its frame's close button would.
    virtual void close_other_windows() = 0;
    // Shows the Options dialog modally; returns once it is hidden.
    virtual void show_options_form(Form2& form) = 0;
    // A system colour reference as the plain colour it stands for now (0 when it stands for
    // none); a plain colour comes back unchanged.
    virtual Colour translate_colour(Colour colour) const = 0;
    // Text input box; returns "" when cancelled.
    virtual std::string input_box(const std::string& prompt, const std::string& title,
                                  const std::string& default_text) = 0;
    // Modal Open or Save dialog: the chosen file's full path, "" when cancelled or failed. An
    // Open dialog accepts only an existing file; a Save dialog also a new one, without asking
    // before an existing file is chosen.
    virtual std::string file_name_dialog(const FileNameRequest& request) = 0;

    // One-shot timer: (re)starts it; on_tick runs once after ms milliseconds.
    virtual void start_timer(int ms, std::function<void()> on_tick) = 0;
    // Runs pending window events, waiting for at least one when none is pending.
    virtual void wait_for_events() = 0;
    // Runs pending window events and returns at once.
    virtual void process_events() = 0;
    virtual void set_busy_pointer(bool busy) = 0;

    virtual TextExtent measure_text(const Font& font, const std::string& text) const = 0;

    virtual double seconds_since_midnight() const = 0;
    // Local date and time now.
    virtual std::tm local_time() const = 0;
    // Folder of the executable, with a trailing '/'.
    virtual std::string program_folder() const = 0;
    // Executable name without folder and extension ("kalder").
    virtual std::string executable_name() const = 0;
    // Current working folder, with a trailing '/'.
    virtual std::string working_folder() const = 0;
    // True when new files can be made in the folder (an installed program's folder cannot).
    virtual bool folder_writable(const std::string& folder) const = 0;
    // The user's own data folder for the game ($XDG_DATA_HOME/kalder), with a trailing '/'.
    virtual std::string user_data_folder() const = 0;
    virtual void set_working_folder(const std::string& folder) = 0;
};

}  // namespace kalder
