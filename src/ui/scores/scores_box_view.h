#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "core/scores/scores_box.h"

namespace kalder::ui {

// The scores panel laid over the board: a frame with the session and total columns and the
// "Close" and "Clear" buttons.
class ScoresBoxView : public QWidget {
    Q_OBJECT

  public:
    ScoresBoxView(ScoresBox& model, QWidget* parent);

    void sync(double scale);
    QLabel* session_label(int counter) const { return session_[counter]; }
    QLabel* total_label(int counter) const { return total_[counter]; }

  signals:
    void model_changed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Placed {
        QWidget* widget;
        ScoresBox::Place place;
    };
    QLabel* add_label(const QString& text, bool heading, const ScoresBox::Place& place);

    ScoresBox& model_;
    std::array<QLabel*, 5> session_{};
    std::array<QLabel*, 5> total_{};
    QPushButton* close_;
    QPushButton* clear_;
    std::vector<Placed> placed_;
    double scale_ = 1.0;
};

}  // namespace kalder::ui
