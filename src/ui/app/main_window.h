#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <functional>
#include <map>
#include <vector>

namespace kalder {
class Form1;
}

namespace kalder::ui {

class BoardView;
class BoxControlView;
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
    BoxControlView* button_view(const std::string& name) const;

    // Runs when the window is closed from its frame or by the Exit command.
    std::function<void()> on_close;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void build_menus();
    void build_top_bar();
    void apply_scale(double scale);
    void centre_on_screen();

    Form1& form_;
    BoardView* board_;
    QLineEdit* puz_num_;
    QLabel* gsize_;
    ScoresBoxView* scores_;
    std::map<std::string, BoxControlView*> buttons_;
    std::vector<std::pair<QAction*, std::string>> menu_actions_;
};

}  // namespace kalder::ui
