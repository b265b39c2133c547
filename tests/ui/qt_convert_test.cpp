#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>

#include "ui/app/qt_convert.h"

namespace kalder::ui {
namespace {

TEST(QtConvert, ColoursAreRedPlus256GreenPlus65536Blue) {
    EXPECT_EQ(to_qcolor(0x0000FFu), QColor(255, 0, 0));
    EXPECT_EQ(to_qcolor(0xFF0000u), QColor(0, 0, 255));
    EXPECT_EQ(to_qcolor(RGB(28, 28, 28)), QColor(28, 28, 28));
}

TEST(QtConvert, SystemColoursComeFromThePalette) {
    const QPalette palette = QGuiApplication::palette();
    EXPECT_EQ(to_qcolor(SystemWindow), palette.color(QPalette::Base));
    EXPECT_EQ(to_qcolor(SystemButtonFace), palette.color(QPalette::Button));
    EXPECT_EQ(to_qcolor(SystemButtonText), palette.color(QPalette::ButtonText));
}

TEST(QtConvert, FontsKeepTheirPointSizeAt96Dpi) {
    const QFont font = to_qfont(Font{"Arial", 9, true, true});
    EXPECT_EQ(font.pixelSize(), 12);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_EQ(font.family(), "Arial");
    EXPECT_EQ(to_qfont(Font{"Arial", 7.5, false, false}, 2.0).pixelSize(), 20);
}

}  // namespace
}  // namespace kalder::ui
