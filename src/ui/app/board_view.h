#pragma once

#include <QSvgRenderer>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

namespace kalder {
class Form1;
}

namespace kalder::ui {

class CellProxy;

// The main window's client area: the framing squares, the cells, the selection line and the
// move arrows, painted from the model. Mouse and keys become the model's cell events. Each
// cell has an invisible stand-in that screen readers see as a named push button.
class BoardView : public QWidget {
    Q_OBJECT

  public:
    BoardView(Form1& form, QWidget* parent);

    // Pixels per twip-pixel; 1.0 is the designed size.
    void set_scale(double scale);
    double scale() const { return scale_; }
    QRect to_pixels(int left, int top, int width, int height) const;
    QPoint to_pixels(int x, int y) const;
    // The cell that the keyboard cursor is on (1-based); 0 once the mouse took over.
    int keyboard_cell() const { return keyboard_cell_; }
    // Brings the cells' stand-ins in line with the model: place, visibility and name.
    void sync_cells();
    // Clicks the cell as the left mouse button does, with the keyboard cursor moved onto it.
    void press_cell(int cell);

  signals:
    // A handler ran; the window should show the model's new state.
    void model_changed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

  private:
    int cell_at(const QPointF& position) const;
    void paint_cells(QPainter& painter) const;
    void paint_marks(QPainter& painter) const;
    void paint_giver_mark(QPainter& painter, const QRect& box) const;
    // Returns the box left inside the ring.
    QRect paint_cursor_ring(QPainter& painter, const QRect& box) const;
    void move_keyboard_cell(int row_step, int col_step);
    void click_cell(int cell);
    void announce_cursor();
    // The keys of hint, undo, redo and solve-from-here; false for any other key.
    bool way_back_key(const QKeyEvent& event);

    Form1& form_;
    double scale_ = 1.0;
    int pressed_cell_ = 0;
    // Visible from the start, on the first cell.
    int keyboard_cell_ = 1;
    // Children of the board, made as cells are; index 0 stands for cell 1.
    std::vector<CellProxy*> cell_proxies_;
    std::unique_ptr<QSvgRenderer> arrow_left_, arrow_right_, arrow_up_, arrow_down_;
};

}  // namespace kalder::ui
