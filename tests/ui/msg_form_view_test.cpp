#include <gtest/gtest.h>

#include <QTest>

#include "core/msgbox/msg_form.h"
#include "ui/controls/box_control_view.h"
#include "ui/msgbox/msg_form_view.h"
#include "ui_test_support.h"

namespace kalder::ui {
namespace {

class MsgFormViewTest : public ::testing::Test {
  protected:
    MsgFormViewTest() {
        platform.set_dialog_parent(&host);
        form.title = "Kalder";
        form.font = Font{"Arial", 9, false, false};
    }
    QWidget host;
    QtPlatform platform;
    MsgForm form{platform};
};

// The buttons of the style show in order; a click, or the keys (the first button has the
// focus, arrows and Tab move it, Space and Enter press, Escape closes), answer the code.
TEST_F(MsgFormViewTest, TheMouseAndTheKeyboardAnswerTheBox) {
    const struct {
        const char* style;
        int click;  // the button clicked, -1 for keys
        std::vector<Qt::Key> keys;
        QString captions;
        int code;
    } cases[] = {
        {"vbquestion+vbyesno", 1, {}, "Yes No", 7},
        {"vbexclamation+vbabortretryignore", 1, {}, "Abort Retry Ignore", 4},
        {"vbyesno", -1, {Qt::Key_Return}, "Yes No", 6},
        {"vbyesno", -1, {Qt::Key_Right, Qt::Key_Space}, "Yes No", 7},
        {"vbyesnocancel", -1, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Enter}, "Yes No Cancel", 2},
        {"vbyesnocancel", -1, {Qt::Key_Left, Qt::Key_Space}, "Yes No Cancel", 2},
        {"vbyesnocancel", -1, {Qt::Key_Tab, Qt::Key_Space}, "Yes No Cancel", 7},
        {"vbhappy+vbyesno", -1, {Qt::Key_Escape}, "Yes No", 7},
    };
    for (const auto& c : cases) {
        QStringList captions;
        QString text;
        bool first_has_focus = false;
        when_modal([&](QWidget& modal) {
            auto& view = dynamic_cast<MsgFormView&>(modal);
            text = view.text_label()->text();
            first_has_focus = view.focusWidget() == view.button(0);
            if (&c == &cases[0]) save_screenshot_if_asked(view, "screenshot-message.png");
            for (int i = 0; i < MsgForm::ButtonCount && view.button(i)->isVisible(); ++i) {
                captions.append(QString::fromStdString(view.button(i)->model().Caption()));
            }
            if (c.click >= 0) QTest::mouseClick(view.button(c.click), Qt::LeftButton);
            for (const Qt::Key key : c.keys) QTest::keyClick(view.focusWidget(), key);
        });
        EXPECT_EQ(MsgboxA(form, platform, "Reset current\r\npuzzle?", c.style), c.code) << c.style;
        EXPECT_EQ(std::tuple(captions.join(' '), text, first_has_focus),
                  std::tuple(c.captions, "Reset current\npuzzle?", true));
    }
    EXPECT_EQ(host.findChildren<MsgFormView*>().size(), 1) << "one dialog, kept";
}

// The box grows with its text; the buttons sit edge to edge, centred on the outer width (so off
// the client's centre by at most the frame); a frame close answers the last button.
TEST_F(MsgFormViewTest, TheBoxGrowsWithItsTextAndKeepsTheButtonsCentred) {
    std::vector<int> widths;
    for (const std::string& text : {std::string("Done"), std::string(120, 'W')}) {
        when_modal([&widths](QWidget& modal) {
            auto& view = dynamic_cast<MsgFormView&>(modal);
            widths.push_back(view.width());
            const QRect first = view.button(0)->geometry(), second = view.button(1)->geometry();
            EXPECT_EQ(second.x(), first.right() + 1);
            EXPECT_NEAR((first.x() + second.right() + 1) / 2.0, view.width() / 2.0, 8);
            EXPECT_LE(view.text_label()->geometry().right(), view.width());
            view.close();
        });
        EXPECT_EQ(MsgboxA(form, platform, text, "vbyesno"), 7);
    }
    EXPECT_GT(widths[1], widths[0] + 500);
}

}  // namespace
}  // namespace kalder::ui
