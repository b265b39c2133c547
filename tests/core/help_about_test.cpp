#include <gtest/gtest.h>

#include "core/help/about_form.h"
#include "core/help/form4.h"
#include "form1_fixture.h"

namespace kalder::testing {
namespace {

class HelpAboutTest : public Form1Test {
  protected:
    void SetUp() override {
        folder.write("puzzles.kdr", puzzle_line(1, 3, SampleBody));
        load();
    }
};

// Back and Forward step only while a place inside the page is shown; a new place drops the
// places ahead; activation shows the page from its start in the scheme's colours. The page view
// follows the window's size unless too small; Exit hides the window for reuse, a close from the
// frame ends it, and Exit from the game closes it only on Yes.
TEST_F(HelpAboutTest, HelpStepsInThePageFollowsItsSizeAndIsReused) {
    form->mnuhelp_Click();
    Form4& help = *form->help_form;
    HelpBrowser& browser = help.WebBrowser1;
    const std::string page = folder.file("kalder.htm");
    browser.Navigate(page + "#rules");
    browser.Navigate(page + "#keyboard");
    help.Command1_Click();
    help.Command2_Click();
    help.Command1_Click();
    EXPECT_EQ(browser.LocationURL(), page + "#rules");
    help.Command1_Click();
    help.Command2_Click();
    EXPECT_EQ(browser.LocationURL(), page) << "no '#': Forward inert";
    browser.Navigate(page + "#new");
    help.Command2_Click();
    EXPECT_EQ(browser.LocationURL(), page + "#new");
    browser.Navigate("https://example.org/");
    help.Command1_Click();
    EXPECT_EQ(browser.LocationURL(), "https://example.org/") << "no '#': Back inert";
    form->ColourTable[2] = RGB(9, 8, 7);
    help.Form_Activate();
    EXPECT_EQ(
        std::tuple(help.Caption, browser.LocationURL(), help.BackColor, help.Command[2].BackColor),
        std::tuple("Kalder Help", page, RGB(9, 8, 7), form->ColourTable[form->ColourIndex]));
    const int width = help.WebBrowser1.Width, height = help.WebBrowser1.Height;
    help.Width += 1000;
    help.Height += 500;
    help.Form_Resize();
    help.Width = 10;
    help.Height = Form4::DesignHeight - HelpBrowser::DesignHeight;  // no room at all
    help.Form_Resize();
    EXPECT_EQ(std::tuple(help.WebBrowser1.Width, help.WebBrowser1.Height, help.Command[2].Left),
              std::tuple(width + 1000, height + 500, 2244));
    help.Command3_Click();
    EXPECT_FALSE(help.Visible);
    form->mnuhelp_Click();
    EXPECT_EQ(std::tuple(form->help_form.get(), help.Visible), std::tuple(&help, true));
    help.Form_Unload();
    EXPECT_EQ(std::tuple(help.Loaded, help.Visible), std::tuple(false, false));
    form->mnuhelp_Click();
    EXPECT_EQ(std::tuple(form->help_form->Loaded, form->help_form->Visible, platform.help_shows),
              std::tuple(true, true, 3));
    platform.message_answers = {7, 6};
    form->mnuexit_Click();
    EXPECT_TRUE(form->help_form->Loaded);
    form->mnuexit_Click();
    EXPECT_FALSE(form->help_form->Loaded);
}

// OK and Escape hide the About box for the next time, a click on its text or a close from the
// frame end it; it takes the scheme's colours at each showing.
TEST_F(HelpAboutTest, AboutClosesFourWaysAndTakesTheSchemesColours) {
    const std::function<void(AboutForm&)> closes[] = {
        [](AboutForm& a) { a.aboutok.release(MouseEvent{}); },
        [](AboutForm& a) { EXPECT_EQ(a.Form_KeyDown(AboutForm::KeyEscape), 0); },
        [](AboutForm& a) { a.AboutText_MouseDown(); },
        [](AboutForm& a) { a.Form_Unload(); },
    };
    for (int i = 0; i < 4; ++i) {
        platform.on_about = [&](AboutForm& about) {
            EXPECT_EQ(std::tuple(about.Form_KeyDown('A'), about.Visible), std::tuple('A', true));
            closes[i](about);
        };
        form->ColourTable[2] = RGB(9, 8, i);
        form->mnuabout_Click();
        const AboutForm& about = *form->about_form;
        EXPECT_EQ(
            std::tuple(about.Visible, about.Loaded, about.BackColor, about.AboutText.BackColor),
            std::tuple(false, i < 2, RGB(9, 8, i), RGB(9, 8, i)));
    }
    platform.on_about = nullptr;
    form->ColourTable[form->ColourIndex] = RGB(200, 100, 0);
    form->mnuabout_Click();
    const AboutForm& about = *form->about_form;
    EXPECT_EQ(std::tuple(about.Label1.BackColor, about.Label1.ForeColor, about.aboutok.BackColor()),
              std::tuple(RGB(200, 100, 0), LockedBack, RGB(200, 100, 0)));
    EXPECT_TRUE(AboutForm::Text.starts_with("\r\nKalder Puzzle \r\nJuly 2008\r\nContact: "));
    EXPECT_NE(AboutForm::Text.find("\r\n\r\nAdd, substract and get numbers in sequence in a grid"
                                   "\r\n\r\n"),
              std::string::npos);
}

}  // namespace
}  // namespace kalder::testing
