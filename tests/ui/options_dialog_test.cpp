#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "core/app/form1.h"
#include "main_window_fixture.h"
#include "ui/app/board_view.h"
#include "ui/app/qt_convert.h"
#include "ui/appearance/form2_view.h"
#include "ui/controls/box_control_view.h"

namespace kalder::ui {
namespace {

using OptionsDialogTest = MainWindowFixture;

QColor pixel(QWidget* widget, QPoint at) {
    return widget->grab().toImage().pixelColor(at);
}

// Picks "dark" in the list, applies it and leaves, as the player would with the mouse.
TEST_F(OptionsDialogTest, ApplyRepaintsTheWindowItsMenuBarAndCells) {
    std::ofstream(folder / "kalder.cfg", std::ios::binary)
        << "12-05-2026 14:02:31\r\nxp.col\r\n\r\n 1 \r\n";
    start();
    bool ran = false;
    QTimer::singleShot(50, [this, &ran] {
        auto* dialog = window->findChild<Form2View*>();
        ASSERT_NE(dialog, nullptr);
        ran = true;
        // Whatever fails below, the dialog closes, so the test ends.
        const auto leave =
            qScopeGuard([dialog] { QTest::mouseClick(dialog->button("Exit"), Qt::LeftButton); });
        const auto found = dialog->list()->findItems("dark", Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        const QRect row = dialog->list()->visualItemRect(found.first());
        QTest::mouseClick(dialog->list()->viewport(), Qt::LeftButton, {}, row.center());
        EXPECT_EQ(dialog->form().Frame1_Caption, "Color Scheme: dark");
        QTest::mouseClick(dialog->button("Apply"), Qt::LeftButton);
        save_screenshot_if_asked(*dialog, "screenshot-options.png");
    });
    for (QAction* menu : window->menuBar()->actions()) {
        for (QAction* entry : menu->menu()->actions()) {
            if (entry->text() == "Options") entry->trigger();
        }
    }
    ASSERT_TRUE(ran);
    EXPECT_EQ(form->SchemeName, "dark.col");
    const SchemeTable& table = form->ColourTable;
    EXPECT_EQ(table[2], RGB(40, 44, 52));
    EXPECT_EQ(pixel(window->board_view(), {2, 40}), to_qcolor(table[2]));
    EXPECT_EQ(pixel(window->menuBar(), {2, 2}), to_qcolor(table[3]));
    const CellLabel& cell = form->CellD[1];
    const QRect box = window->board_view()->to_pixels(cell.Left, cell.Top, cell.Width, cell.Height);
    EXPECT_EQ(pixel(window->board_view(), box.topLeft() + QPoint(4, 4)), to_qcolor(table[4]));
}

}  // namespace
}  // namespace kalder::ui
