#include <gtest/gtest.h>

#include <sstream>

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
        form->EndProgram = [this] { ended = true; };
    }
    bool ended = false;
};

TEST_F(HelpAboutTest, HelpShowsThePageAndStepsOnlyBetweenPlacesInIt) {
    form->mnuhelp_Click();
    Form4& help = *form->help_form;
    const std::string page = folder.file("kalder.htm");
    EXPECT_EQ(help.Caption, "Kalder Help");
    EXPECT_EQ(help.WebBrowser1.LocationURL(), page);
    help.WebBrowser1.Navigate("https://example.org/");  // a place that is not in the page
    help.Command1_Click();
    EXPECT_EQ(help.WebBrowser1.LocationURL(), "https://example.org/") << "no '#': Back inert";
    help.WebBrowser1.Navigate(page + "#rules");
    help.WebBrowser1.Navigate(page + "#keyboard");
    help.Command1_Click();
    EXPECT_EQ(help.WebBrowser1.LocationURL(), page + "#rules");
    help.Command2_Click();
    EXPECT_EQ(help.WebBrowser1.LocationURL(), page + "#keyboard");
    help.Form_Activate();
    EXPECT_EQ(help.WebBrowser1.LocationURL(), page) << "activation shows the page from its start";
    help.Command2_Click();
    EXPECT_EQ(help.WebBrowser1.LocationURL(), page) << "no '#': Forward inert";
}

TEST_F(HelpAboutTest, HelpWindowFollowsItsSizeAndComesBackAfterExitOrClose) {
    form->mnuhelp_Click();
    Form4* help = form->help_form.get();
    const int width = help->WebBrowser1.Width, height = help->WebBrowser1.Height;
    help->Width += 1000;
    help->Height += 500;
    help->Form_Resize();
    EXPECT_EQ(help->WebBrowser1.Width, width + 1000);
    EXPECT_EQ(help->WebBrowser1.Height, height + 500);
    EXPECT_EQ(help->Command[2].Left, 2244) << "buttons stay";
    help->Width = 10;
    help->Height = 10;
    help->Form_Resize();
    EXPECT_EQ(help->WebBrowser1.Width, width + 1000) << "too small: the last size stays";
    help->Command3_Click();
    EXPECT_FALSE(help->Visible);
    form->mnuhelp_Click();
    EXPECT_EQ(form->help_form.get(), help) << "Exit hides, the window is reused";
    EXPECT_TRUE(help->Visible);
    help->Form_Unload();
    form->mnuhelp_Click();
    EXPECT_TRUE(form->help_form->Loaded);
    EXPECT_TRUE(form->help_form->Visible);
    EXPECT_EQ(platform.help_shows, 3);
}

TEST_F(HelpAboutTest, AboutClosesFourWaysAndOnlyTextAndFrameEndIt) {
    struct Case {
        const char* how;
        std::function<void(AboutForm&)> close;
        bool loaded;
    };
    const Case cases[] = {
        {"OK", [](AboutForm& a) { a.aboutok.release(MouseEvent{}); }, true},
        {"Escape", [](AboutForm& a) { EXPECT_EQ(a.Form_KeyDown(AboutForm::KeyEscape), 0); }, true},
        {"text", [](AboutForm& a) { a.AboutText_MouseDown(); }, false},
        {"frame", [](AboutForm& a) { a.Form_Unload(); }, false},
    };
    for (const Case& c : cases) {
        platform.on_about = [&](AboutForm& about) {
            EXPECT_EQ(about.Form_KeyDown('A'), 'A') << "other keys do nothing";
            EXPECT_TRUE(about.Visible);
            c.close(about);
        };
        form->mnuabout_Click();
        EXPECT_FALSE(form->about_form->Visible) << c.how;
        EXPECT_EQ(form->about_form->Loaded, c.loaded) << c.how;
    }
}

TEST_F(HelpAboutTest, AboutTakesTheSchemesColoursEachTimeAndKeepsItsText) {
    form->ColourTable[2] = RGB(1, 2, 3);
    form->mnuabout_Click();
    form->ColourTable[2] = RGB(9, 8, 7);
    form->ColourTable[form->ColourIndex] = RGB(200, 100, 0);
    form->mnuabout_Click();
    const AboutForm& about = *form->about_form;
    EXPECT_EQ(about.BackColor, RGB(9, 8, 7));
    EXPECT_EQ(about.AboutText.BackColor, RGB(9, 8, 7));
    EXPECT_EQ(about.Label1.BackColor, RGB(200, 100, 0));
    EXPECT_EQ(about.Label1.ForeColor, LockedBack);
    EXPECT_EQ(about.aboutok.BackColor(), RGB(200, 100, 0));

    std::vector<std::string> lines;
    std::istringstream text(AboutForm::Text);
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(AboutForm::Text.substr(AboutForm::Text.size() - 2), "\r\n");
    EXPECT_EQ(lines[1], "Kalder Puzzle \r");
    EXPECT_EQ(lines[2], "July 2008\r");
    EXPECT_EQ(lines[3].rfind("Contact: ", 0), 0u);
    EXPECT_EQ(lines[5], "Add, substract and get numbers in sequence in a grid\r");
    EXPECT_EQ(lines[11].rfind("20,000 Kalder puzzles available at ", 0), 0u);
    for (const int empty : {0, 4, 6, 10}) EXPECT_EQ(lines[empty], "\r") << empty;
}

TEST_F(HelpAboutTest, ExitClosesTheHelpWindowOnlyOnYes) {
    std::filesystem::remove(folder.file("kalder.cfg"));
    form->mnuhelp_Click();
    platform.message_answers = {7};
    form->mnuexit_Click();
    EXPECT_FALSE(ended);
    EXPECT_TRUE(form->help_form->Loaded);
    EXPECT_FALSE(std::filesystem::exists(folder.file("kalder.cfg")));
    platform.message_answers = {6};
    form->mnuexit_Click();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(form->help_form->Loaded);
    EXPECT_TRUE(std::filesystem::exists(folder.file("kalder.cfg")));
}

TEST_F(HelpAboutTest, CreatingShowsWhileThePuzzleIsMade) {
    std::vector<std::string> shown;
    platform.on_process_events = [&] { shown.push_back(form->PuzNum.Text); };
    form->cmdcreate_MouseUp(MouseEvent{LeftButton});
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), "Creating ...");
}

}  // namespace
}  // namespace kalder::testing
