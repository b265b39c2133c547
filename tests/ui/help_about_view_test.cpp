#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "core/help/about_form.h"
#include "core/help/form4.h"
#include "main_window_fixture.h"
#include "ui/help/about_form_view.h"
#include "ui/help/form4_view.h"

namespace kalder::ui {
namespace {

class HelpAboutViewTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        std::filesystem::copy_file(
            QCoreApplication::applicationDirPath().toStdString() + "/kalder.htm",
            folder / "kalder.htm");
        std::ofstream(folder / "puzzles.kdr", std::ios::binary)
            << "00001,3,121222332,020306010205040708\r\n";
        std::ofstream(folder / "kalder.cfg", std::ios::binary)
            << "12-05-2026 14:02:31\r\nxp.col\r\n"
            << (folder / "puzzles.kdr").string() << "\r\n 1 \r\n";
        start();
    }
};

// Links inside the page go through the window's history, so Back returns from a place.
TEST_F(HelpAboutViewTest, HelpPageLinksAndBackStayInsideThePage) {
    form->menu_Click("mnuhelp");
    auto* help = window->findChild<Form4View*>();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    EXPECT_EQ(help->windowTitle(), "Kalder Help");
    EXPECT_FALSE(help->windowIcon().isNull());
    EXPECT_TRUE(help->browser()->toPlainText().contains("worked example"));
    emit help->browser()->anchorClicked(QUrl("#keyboard"));
    EXPECT_EQ(help->form().WebBrowser1.LocationURL(), (folder / "kalder.htm#keyboard").string());
    EXPECT_EQ(help->browser()->source().fragment(), "keyboard");
    save_screenshot_if_asked(*help, "screenshot-help.png");
    QTest::mouseClick(help->button(0), Qt::LeftButton);
    EXPECT_EQ(help->form().WebBrowser1.LocationURL(), (folder / "kalder.htm").string());
    EXPECT_FALSE(help->browser()->source().hasFragment());
    help->resize(help->width() + 100, help->height());
    EXPECT_EQ(help->browser()->width(), help->width() - 4) << "the page view keeps its margin";
    help->close();
    EXPECT_FALSE(form->help_form->Loaded);
}

TEST_F(HelpAboutViewTest, AboutBoxEndsOnAClickOnItsTextAndHidesOnEscape) {
    QTimer::singleShot(50, [] {
        auto* about = qobject_cast<AboutFormView*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        save_screenshot_if_asked(*about, "screenshot-about.png");
        QTest::mouseClick(about->text_box(), Qt::LeftButton);
    });
    form->menu_Click("mnuabout");
    EXPECT_FALSE(form->about_form->Loaded);
    QTimer::singleShot(50, [] {
        QWidget* about = QApplication::activeModalWidget();
        ASSERT_NE(about, nullptr);
        QTest::keyClick(about, Qt::Key_Return);
        EXPECT_TRUE(about->isVisible()) << "only Escape closes";
        QTest::keyClick(about, Qt::Key_Escape);
    });
    form->menu_Click("mnuabout");
    EXPECT_TRUE(form->about_form->Loaded);
    EXPECT_FALSE(form->about_form->Visible);
}

}  // namespace
}  // namespace kalder::ui
