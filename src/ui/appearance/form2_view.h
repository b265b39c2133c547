#pragma once

#include <QDialog>
#include <QListWidget>
#include <QScrollBar>
#include <array>
#include <functional>

#include "ui/app/scaled_window.h"

namespace kalder {
class Form2;
}

namespace kalder::ui {

class BoxControlView;
class ColPikView;

// The Options dialog over a Form2 model: the framed colour picker, contrast bar, scheme list
// and the six buttons at their designed places. Kept between uses, hidden, as the model is.
class Form2View : public QDialog, public ScaledWindow {
    Q_OBJECT

  public:
    explicit Form2View(Form2& form, QWidget* parent = nullptr);

    // Shows the dialog modally until the model hides it (Exit) or the frame closes it.
    void run();
    void sync();
    Form2& form() const { return form_; }
    QListWidget* list() const { return list_; }
    QScrollBar* contrast_bar() const { return contrast_; }
    ColPikView* picker() const { return picker_; }
    BoxControlView* button(const QString& name) const;
    PixelSize design_twips() const override;
    void lay_out(double scale) override;

    // Runs after every handler, so the windows behind can show what it changed.
    std::function<void()> on_changed;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

  private:
    void handled();

    Form2& form_;
    ColPikView* picker_;
    QScrollBar* contrast_;
    QListWidget* list_;
    std::array<BoxControlView*, 6> buttons_{};
    double scale_ = 1.0;
};

// Runs the dialog modally at `scale` in the one view kept for it as a child of parent (made on
// first use and placed over the parent's window). Without a parent the view lives for this call
// only.
void show_form2_modal(Form2& form, QWidget* parent, const std::function<void()>& on_changed,
                      double scale = 1.0);

}  // namespace kalder::ui
