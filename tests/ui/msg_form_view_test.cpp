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
        if (view == nullptr || !view->isVisible()) {
            QTimer::singleShot(10, *poll);
            return;
        }
        act(*view);
    };
    QTimer::singleShot(10, *poll);
}

QStringList visible_captions(const MsgFormView& view) {
    QStringList captions;
    for (int i = 0; i < MsgForm::ButtonCount; ++i) {
        if (view.button(i)->isVisible()) {
            captions.append(QString::fromStdString(view.button(i)->model().Caption()));
        }
    }
    return captions;
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

TEST_F(MsgFormViewTest, ShowsTheButtonsOfTheStyleAndReturnsTheClickedCode) {
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
        when_shown(platform, [&](MsgFormView& view) {
            captions = visible_captions(view);
            text = view.text_label()->text();
            if (&c == &cases[0]) save_screenshot_if_asked(view, "screenshot-message.png");
            for (int i = 0; i < MsgForm::ButtonCount; ++i) {
                if (view.button(i)->isVisible() && view.button(i)->model().Caption() == c.click) {
                    QTest::mouseClick(view.button(i), Qt::LeftButton);
                }
            }
        });
        EXPECT_EQ(MsgboxA(form, platform, "Reset current\r\npuzzle?", c.style), c.code) << c.style;
        EXPECT_EQ(captions, c.captions) << c.style;
        EXPECT_EQ(text, "Reset current\npuzzle?");
    }
}

TEST_F(MsgFormViewTest, TheKeyboardPlaysTheBox) {
    struct Case {
        const char* style;
        std::vector<Qt::Key> keys;
        int code;
    };
    const Case cases[] = {
        {"vbquestion+vbyesno", {Qt::Key_Return}, 6},
        {"vbquestion+vbyesno", {Qt::Key_Right, Qt::Key_Space}, 7},
        {"vbyesnocancel", {Qt::Key_Right, Qt::Key_Right, Qt::Key_Enter}, 2},
        {"vbyesnocancel", {Qt::Key_Left, Qt::Key_Space}, 2},
        {"vbyesnocancel", {Qt::Key_Tab, Qt::Key_Space}, 7},
        {"vbQuestion + vbYesNo", {Qt::Key_Escape}, 7},
    };
    for (const Case& c : cases) {
        bool first_has_focus = false;
        when_shown(platform, [&](MsgFormView& view) {
            first_has_focus = view.focusWidget() == view.button(0);
            for (const Qt::Key key : c.keys) QTest::keyClick(view.focusWidget(), key);
        });
        EXPECT_EQ(MsgboxA(form, platform, "Exit?", c.style), c.code) << c.style;
        EXPECT_TRUE(first_has_focus) << c.style;
    }
}

TEST_F(MsgFormViewTest, OneDialogIsKeptAndAFrameCloseCountsAsTheLastButton) {
    when_shown(platform, [](MsgFormView& view) { view.close(); });
    EXPECT_EQ(MsgboxA(form, platform, "Delete this puzzle?", "vbYesNo+vbquestion"), 7);
    MsgFormView* const first = platform.view();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isHidden());

    when_shown(platform, [](MsgFormView& view) { view.close(); });
    EXPECT_EQ(MsgboxA(form, platform, "Created puzzle", "vbinformation+vbok"), 1);
    EXPECT_EQ(platform.host.findChildren<MsgFormView*>().size(), 1);
    EXPECT_EQ(platform.view(), first);
}

TEST_F(MsgFormViewTest, TheBoxGrowsWithItsTextAndKeepsTheButtonsCentred) {
    int short_width = 0, long_width = 0;
    for (const auto& [text, width] : {std::pair<std::string, int*>{"Done", &short_width},
                                      {std::string(120, 'W'), &long_width}}) {
        when_shown(platform, [width = width](MsgFormView& view) {
            *width = view.width();
            const int group_left = view.button(0)->x();
            const int group_right = view.button(1)->geometry().right() + 1;
            EXPECT_EQ(view.button(1)->x(), view.button(0)->geometry().right() + 1)
                << "edge to edge";
            // Centred on the outer width, so off the client's centre by at most the frame.
            EXPECT_NEAR((group_left + group_right) / 2.0, view.width() / 2.0, 8);
            EXPECT_GT(view.text_label()->width(), 0);
            EXPECT_LE(view.text_label()->geometry().right(), view.width());
            view.close();
        });
        MsgboxA(form, platform, text, "vbyesno");
    }
    EXPECT_GT(long_width, short_width + 500);
}

}  // namespace
}  // namespace kalder::ui
