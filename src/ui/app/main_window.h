#pragma once

#include <QLineEdit>
#include <QMainWindow>
#include <functional>
#include <map>
#include <vector>

#include "core/base/window_scale.h"

namespace kalder {
class Form1;
}

namespace kalder::ui {

class BoardView;
class BoxControlView;
class GridSizeLabel;
class ScoresBoxView;

// The main window: renders the Form1 model and forwards the player's input to it.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(Form1& form);

    // Brings every widget in line with the model.
    void sync();
    BoardView* board_view() const { return board_; }
    ScoresBoxView* scores_view() const { return scores_; }
    QLineEdit* puzzle_number_box() const { return puz_num_; }
    GridSizeLabel* grid_size_box() const { return gsize_; }
    BoxControlView* button_view(const std::string& name) const;

    // Opens at the largest scale that fits the screen well, moved by the player's remembered
    // steps away from it, and centres the window on the screen.
    void open_on_screen(int remembered_offset);
    int scale_steps() const { return scale_steps_; }
    double scale() const { return scale_of_steps(scale_steps_); }

    // Runs when the window is closed from its frame or by the Exit command.
    std::function<void()> on_close;
    // Runs when the player chooses another scale, with his steps away from the screen's fit.
    std::function<void(int offset)> on_scale_chosen;
    // Runs whenever the scale changes, so the other windows follow it.
    std::function<void(double scale)> on_scaled;

  protected:
    // Ctrl + and Ctrl - scale every window of the game, Ctrl 0 goes back to the screen's fit,
    // whichever of them has the keyboard.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void build_menus();
    void build_desktop_keys();
    void build_top_bar();
    void build_tab_order();
    void apply_scale_steps(int steps);
    // Scales to `steps` as far as the screen allows, keeping the window centred where it was.
    void rescale(int steps, bool chosen);
    PixelSize outer_size_at(int steps) const;
    QRect available_area() const;
    // The steps the window fits the screen at, with room to spare: the size it opens at.
    int screen_fit_steps() const;
    void paint_menus();

    Form1& form_;
    BoardView* board_;
    QLineEdit* puz_num_;
    GridSizeLabel* gsize_;
    ScoresBoxView* scores_;
    std::map<std::string, BoxControlView*> buttons_;
    std::vector<std::pair<QAction*, std::string>> menu_actions_;
    std::vector<QMenu*> menus_;
    QFont menu_font_;
    int scale_steps_ = 0;
    int fit_steps_ = 0;
    int offset_ = 0;
    bool screen_tracked_ = false;
};

}  // namespace kalder::ui
