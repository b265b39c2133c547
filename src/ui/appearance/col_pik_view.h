#pragma once

#include <QScrollBar>
#include <QWidget>
#include <array>
#include <functional>

#include "core/appearance/col_pik.h"

namespace kalder::ui {

// Paints a ColPik model (palette, shade strips, swatch, channel swatches and values) and feeds
// it the clicks on its surface and the moves of its three bars.
class ColPikView : public QWidget {
    Q_OBJECT

  public:
    ColPikView(ColPik& model, QWidget* parent);

    // Puts the view at left/top twips of its parent, its twips shown at `scale`.
    void place(int left, int top, double scale);
    // Shows the model's state.
    void sync();
    ColPik& model() const { return model_; }
    // The point of the view that shows the model's twips position (x, y).
    QPoint to_pixels(double x, double y) const;

    // Runs after the model handled an event.
    std::function<void()> on_changed;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QRectF to_view(double left, double top, double width, double height) const;
    QRectF to_view(const ColPik::Area& area) const;

    ColPik& model_;
    std::array<QScrollBar*, 3> bars_{};
    double scale_ = 1.0;
};

}  // namespace kalder::ui
