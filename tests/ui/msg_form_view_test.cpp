#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/msgbox/msg_form.h"
#include "ui/app/qt_platform.h"
#include "ui/controls/box_control_view.h"
#include "ui/msgbox/msg_form_view.h"
#include "ui_test_support.h"

namespace kalder::ui {
namespace {

// The Qt platform with the message box kept under a window of the test's own.
class HostedPlatform : public QtPlatform {
  public:
    void show_message_form(MsgForm& form) override { show_msg_form_modal(form, &host); }
    MsgFormView* view() const { return host.findChild<MsgFormView*>(); }
    QWidget host;
};

// Runs act on the message box as soon as it is up.
void when_shown(HostedPlatform& platform, std::function<void(MsgFormView&)> act) {
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [&platform, act, poll] {
        MsgFormView* view = platform.view();
        if (view == nullptr || !view->isVisible()) return QTimer::singleShot(10, *poll);
        act(*view);
    };
    QTimer::singleShot(10, *poll);
}

class MsgFormViewTest : public ::testing::Test {
  protected:
    MsgFormViewTest() {
        form.background = RGB(236, 233, 216);
        form.button_colour = RGB(204, 201, 184);
        form.title = "Kalder";
        form.font = Font{"Arial", 9, false, false};
    }
    HostedPlatform platform;
    MsgForm form{platform};
};

// The buttons of the style show in order; a click, or the keys (the first button has the
// focus, arrows and Tab move it, Space and Enter press, Escape closes), answer the code.
TEST_F(MsgFormViewTest, TheMouseAndTheKeyboardAnswerTheBox) {
    const struct {
        const char* style;
        const char* click;  // nullptr: keys
        std::vector<Qt::Key> keys;
        QString captions;
        int code;
    } cases[] = {
        {"vbquestion+vbyesno", "No", {}, "Yes No", 7},
        {"vbexclamation+vbabortretryignore", "Retry", {}, "Abort Retry Ignore", 4},
        {"vbquestion+vbyesno", nullptr, {Qt::Key_Return}, "Yes No", 6},
        {"vbquestion+vbyesno", nullptr, {Qt::Key_Right, Qt::Key_Space}, "Yes No", 7},
        {"vbyesnocancel",
         nullptr,
         {Qt::Key_Right, Qt::Key_Right, Qt::Key_Enter},
         "Yes No Cancel",
         2},
        {"vbyesnocancel", nullptr, {Qt::Key_Left, Qt::Key_Space}, "Yes No Cancel", 2},
        {"vbyesnocancel", nullptr, {Qt::Key_Tab, Qt::Key_Space}, "Yes No Cancel", 7},
        {"vbhappy+vbyesno", nullptr, {Qt::Key_Escape}, "Yes No", 7},
    };
    for (const auto& c : cases) {
        QStringList captions;
        QString text;
        bool first_has_focus = false;
        when_shown(platform, [&](MsgFormView& view) {
            text = view.text_label()->text();
            first_has_focus = view.focusWidget() == view.button(0);
            if (&c == &cases[0]) save_screenshot_if_asked(view, "screenshot-message.png");
            BoxControlView* clicked = nullptr;
            for (int i = 0; i < MsgForm::ButtonCount; ++i) {
                if (!view.button(i)->isVisible()) continue;
                const std::string caption = view.button(i)->model().Caption();
                captions.append(QString::fromStdString(caption));
                if (c.click && caption == c.click) clicked = view.button(i);
            }
            if (clicked) QTest::mouseClick(clicked, Qt::LeftButton);
            for (const Qt::Key key : c.keys) QTest::keyClick(view.focusWidget(), key);
        });
        EXPECT_EQ(MsgboxA(form, platform, "Reset current\r\npuzzle?", c.style), c.code) << c.style;
        EXPECT_EQ(captions.join(' '), c.captions) << c.style;
        EXPECT_EQ(std::tuple(text, first_has_focus), std::tuple("Reset current\npuzzle?", true));
    }
    EXPECT_EQ(platform.host.findChildren<MsgFormView*>().size(), 1) << "one dialog, kept";
}

// The box grows with its text; the buttons sit edge to edge, centred on the outer width (so off
// the client's centre by at most the frame).
TEST_F(MsgFormViewTest, TheBoxGrowsWithItsTextAndKeepsTheButtonsCentred) {
    int short_width = 0, long_width = 0;
    for (const auto& [text, width] : {std::pair<std::string, int*>{"Done", &short_width},
                                      {std::string(120, 'W'), &long_width}}) {
        when_shown(platform, [width = width](MsgFormView& view) {
            *width = view.width();
            const QRect first = view.button(0)->geometry(), second = view.button(1)->geometry();
            EXPECT_EQ(second.x(), first.right() + 1);
            EXPECT_NEAR((first.x() + second.right() + 1) / 2.0, view.width() / 2.0, 8);
            EXPECT_LE(view.text_label()->geometry().right(), view.width());
            view.close();
        });
        EXPECT_EQ(MsgboxA(form, platform, text, "vbyesno"), 7) << "a frame close: the last button";
    }
    EXPECT_GT(long_width, short_width + 500);
}

}  // namespace
}  // namespace kalder::ui
