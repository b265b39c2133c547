#pragma once

#include <QLabel>

namespace kalder::ui {

// The grid-size box: the size as its caption, and the puzzle's grade as a column of one to
// five small pips in its bottom right corner, drawn in the caption's colour.
class GridSizeLabel : public QLabel {
    Q_OBJECT

  public:
    explicit GridSizeLabel(QWidget* parent);

    // 0 draws no pips.
    void set_grade(int grade);
    int grade() const { return grade_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int grade_ = 0;
};

}  // namespace kalder::ui
