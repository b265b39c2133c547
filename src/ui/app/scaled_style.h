#pragma once

#include <QProxyStyle>

namespace kalder::ui {

// The application's style at the game's scale: scroll bars, icons, check marks, margins and
// the spacing of Qt's own dialogs grow with it, and the focus frame Qt draws on its controls,
// and on its push buttons, is the game's solid keyboard ring.
class ScaledStyle : public QProxyStyle {
    Q_OBJECT

  public:
    ScaledStyle();

    // Puts a scaled style on the application, or rescales the one it has, and lets every
    // widget lay itself out anew.
    static void apply(double scale);

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

  private:
    double scale_ = 1.0;
};

}  // namespace kalder::ui
