#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "core/msgbox/msg_form.h"
#include "ui/app/qt_platform.h"
#include "ui/controls/box_control_view.h"
#include "ui/msgbox/msg_form_view.h"
#include "ui_test_support.h"

namespace kalder::ui {
namespace {

// Clicks the visible button with the caption once the message box is up, and notes what the
// box showed.
void click_when_shown(QtPlatform& platform, const QString& caption, QStringList* captions,
                      QString* text) {
    QTimer::singleShot(50, [&platform, caption, captions, text] {
        MsgFormView* view = platform.message_view();
        ASSERT_NE(view, nullptr);
        ASSERT_TRUE(view->isVisible());
        *text = view->text_label()->text();
        save_screenshot_if_asked(*view, "screenshot-message.png");
        BoxControlView* target = nullptr;
        for (int i = 0; i < MsgForm::ButtonCount; ++i) {
            BoxControlView* button = view->button(i);
            if (!button->isVisible()) continue;
            const QString shown = QString::fromStdString(button->model().Caption());
            captions->append(shown);
            if (shown == caption) target = button;
        }
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton);
    });
}

TEST(MsgFormView, ShowsTheButtonsOfTheStyleAndReturnsTheClickedCode) {
    QtPlatform platform;
    MsgForm form(platform);
    form.background = RGB(236, 233, 216);
    form.button_colour = RGB(204, 201, 184);
    form.title = "Kalder";
    struct Case {
        const char* style;
        const char* click;
        QStringList captions;
        int code;
    };
    const Case cases[] = {
        {"vbquestion+vbyesno", "No", {"Yes", "No"}, 7},
        {"vbquestion+vbyesno", "Yes", {"Yes", "No"}, 6},
        {"vbexclamation+vbabortretryignore", "Retry", {"Abort", "Retry", "Ignore"}, 4},
        {"vbhappy+vbok", "Ok", {"Ok"}, 1},
    };
    for (const Case& c : cases) {
        QStringList captions;
        QString text;
        click_when_shown(platform, c.click, &captions, &text);
        EXPECT_EQ(MsgboxA(form, platform, "Reset current puzzle?", c.style), c.code) << c.style;
        EXPECT_EQ(captions, c.captions) << c.style;
        EXPECT_EQ(text, "Reset current puzzle?");
    }
}

TEST(MsgFormView, EscapeClosesAsTheLastButton) {
    QtPlatform platform;
    MsgForm form(platform);
    QTimer::singleShot(50,
                       [&platform] { QTest::keyClick(platform.message_view(), Qt::Key_Escape); });
    EXPECT_EQ(MsgboxA(form, platform, "Exit?", "vbQuestion + vbYesNo"), 7);
}

}  // namespace
}  // namespace kalder::ui
