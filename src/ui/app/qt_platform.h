#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "core/base/platform.h"
#include "core/help/window_look.h"

namespace kalder::ui {

// The platform seam on Qt: dialogs, the one-shot timer behind Pause, event processing.
// Before events run, the render hook lets the views catch up with the models, so long
// operations stay visible.
class AboutFormView;
class Form4View;

class QtPlatform : public Platform {
  public:
    QtPlatform();

    void set_dialog_parent(QWidget* parent) { parent_ = parent; }
    void set_render_hook(std::function<void()> render) { render_ = std::move(render); }
    // True while a handler waits inside a Pause.
    bool waiting() const { return wait_depth_ > 0; }
    // The game's scale: the secondary windows open at it, and those open follow it.
    void set_scale(double scale);
    // The scheme's look, which the dialogs Qt draws take when they open.
    void set_look_source(WindowLookSource look) { look_ = std::move(look); }

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
    void render() const;
    // Runs a standard dialog modally at the game's scale.
    int exec_scaled(QDialog& dialog);

    QPointer<QWidget> parent_;
    // The help window and the About box, each kept while its model lives.
    QPointer<Form4View> help_view_;
    QPointer<AboutFormView> about_view_;
    // The standard dialog open, if any.
    QPointer<QDialog> standard_dialog_;
    double scale_ = 1.0;
    WindowLookSource look_;
    std::function<void()> render_;
    QTimer timer_;
    std::function<void()> on_tick_;
    bool busy_ = false;
    int wait_depth_ = 0;
};

}  // namespace kalder::ui
