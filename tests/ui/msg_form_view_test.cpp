#include <gtest/gtest.h>

#include <QTest>

#include "core/msgbox/msg_form.h"
#include "ui/controls/box_control_view.h"
#include "ui/msgbox/msg_form_view.h"
#include "ui_test_support.h"

namespace kalder::ui {
namespace {

// The buttons of the style show in order, centred on the outer width (so off the client's
// centre by at most the frame), beside the whole text. A click, the
// keys (the first button has the focus, arrows move it, Space and Enter press, Left wraps, Escape
// closes as the frame does: the last button) answer the code; the one dialog is kept.
TEST(MsgFormView, ShowsTheModelAndAnswersTheMouseAndTheKeyboard) {
    QWidget host;
    QtPlatform platform;
    platform.set_dialog_parent(&host);
    MsgForm form{platform};
    const struct {
        const char* style;
        std::string text;
        std::vector<Qt::Key> keys;  // none: click the second button
        QString captions;
        int code;
    } cases[] = {
        {"vbquestion+vbyesno", "Reset current\r\npuzzle?", {}, "Yes No", 7},
        {"vbyesno", "Done", {Qt::Key_Return}, "Yes No", 6},
        {"vbyesnocancel", "?", {Qt::Key_Left, Qt::Key_Space}, "Yes No Cancel", 2},
        {"vbhappy+vbyesno", std::string(120, 'W'), {Qt::Key_Escape}, "Yes No", 7},
    };
    for (const auto& c : cases) {
        QStringList captions;
        QString text;
        when_modal([&](QWidget& modal) {
            auto& view = dynamic_cast<MsgFormView&>(modal);
            text = view.text_label()->text();
            EXPECT_EQ(view.focusWidget(), view.button(0));
            if (&c == &cases[0]) save_screenshot_if_asked(view, "screenshot-message.png");
            for (int i = 0; i < MsgForm::ButtonCount && view.button(i)->isVisible(); ++i) {
                captions.append(QString::fromStdString(view.button(i)->model().Caption()));
            }
            const QRect first = view.button(0)->geometry();
            const QRect last = view.button(static_cast<int>(captions.size()) - 1)->geometry();
            EXPECT_NEAR((first.x() + last.right() + 1) / 2.0, view.width() / 2.0, 8);
            EXPECT_LE(view.text_label()->geometry().right(), view.width());
            for (const Qt::Key key : c.keys) QTest::keyClick(view.focusWidget(), key);
            if (c.keys.empty()) QTest::mouseClick(view.button(1), Qt::LeftButton);
        });
        EXPECT_EQ(MsgboxA(form, platform, c.text, c.style), c.code) << c.style;
        EXPECT_EQ(std::tuple(captions.join(' '), text),
                  std::tuple(c.captions, QString::fromStdString(c.text).replace("\r\n", "\n")));
    }
    EXPECT_EQ(host.findChildren<MsgFormView*>().size(), 1) << "one dialog, kept";
}

}  // namespace
}  // namespace kalder::ui
