#include <regex>

#include "core/base/whole_file.h"
#include "core/files/collection_file.h"
#include "form1_fixture.h"

namespace kalder::testing {
namespace {

// Back and Forward step wherever there is a place to go, the page's top included; a new place
// drops the places ahead; activation shows the page from its start in the scheme's colours. Too
// small a window leaves the page view as it was; Exit hides the window for reuse, and Exit from the
// game closes it only on Yes.
TEST_F(Form1Test, HelpStepsInThePageAndIsReused) {
    load();
    form->menu_Click("mnuhelp");
    Form4& help = *form->help_form;
    HelpBrowser& browser = help.WebBrowser1;
    const std::string page = folder.file("kalder.htm");
    // Presses Back ('<') and Forward ('>') in turn; where the browser is then.
    const auto press = [&](const std::string& keys) {
        for (const char key : keys) key == '<' ? help.Command1_Click() : help.Command2_Click();
        return browser.LocationURL();
    };
    browser.Navigate(page + "#rules");
    browser.Navigate(page + "#keyboard");
    EXPECT_EQ(press("<><"), page + "#rules");
    EXPECT_EQ(press("<"), page);
    EXPECT_EQ(press(">"), page + "#rules") << "Forward from the page's top";
    EXPECT_EQ(press("<<"), page) << "nothing before the first place";
    browser.Navigate(page + "#new");
    EXPECT_EQ(press(">"), page + "#new") << "the places ahead went";
    form->ColourTable[2] = RGB(9, 8, 7);
    form->ColourTable[form->ColourIndex] = RGB(20, 10, 0);
    help.Form_Activate();
    const int width = browser.Width + 100, height = browser.Height + 100;
    help.Width += 100;
    help.Height += 100;
    help.Form_Resize();
    help.Width = Form4::DesignWidth - HelpBrowser::DesignWidth;  // no room at all
    help.Height = Form4::DesignHeight - HelpBrowser::DesignHeight;
    help.Form_Resize();
    EXPECT_EQ(std::tuple(help.Caption, browser.LocationURL(), help.BackColor, help.PageText,
                         help.PageLink, help.Command[2].BackColor, help.Command[2].ForeColor,
                         browser.Width, browser.Height),
              std::tuple("Kalder Help", page, RGB(9, 8, 7), LockedFore, RGB(140, 190, 255),
                         RGB(20, 10, 0), LockedFore, width, height));
    help.Command3_Click();
    form->mnuhelp_Click();
    EXPECT_EQ(std::tuple(form->help_form.get(), help.Visible), std::tuple(&help, true));
    platform.message_answers = {7, 6};
    form->mnuexit_Click();
    EXPECT_TRUE(form->help_form->Loaded);
    form->mnuexit_Click();
    EXPECT_FALSE(form->help_form->Loaded);
}

// OK and Escape hide the About box for the next time, a click on its text or a close from the frame
// end it; it takes the scheme's colours at each showing.
TEST_F(Form1Test, AboutClosesFourWaysAndTakesTheSchemesColours) {
    load();
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
        const Colour button = i % 2 ? RGB(20, 10, i) : RGB(200, 100, i);
        const Colour button_text = i % 2 ? LockedFore : LockedBack;
        form->ColourTable[form->ColourIndex] = button;
        form->menu_Click("mnuabout");
        const AboutForm& about = *form->about_form;
        EXPECT_EQ(
            std::tuple(about.Visible, about.Loaded, about.BackColor, about.AboutText.BackColor,
                       about.AboutText.ForeColor, about.Label1.BackColor, about.Label1.ForeColor,
                       about.aboutok.Caption(), about.aboutok.ForeColor(),
                       about.aboutok.BackColor(), about.aboutok.GetFont()),
            std::tuple(false, i < 2, RGB(9, 8, i), RGB(9, 8, i), LockedFore, button, button_text,
                       "OK", button_text, button, Font{"Arial", 7.5, false, false}));
    }
}

// The help page's worked example is the shipped collection's puzzle 1, its line shown as it
// stands in the file, and its moves, played by the rule, give the boards the page shows and
// solve it: a collection ordered anew cannot leave the page describing another board.
TEST(HelpPage, TheWorkedExampleIsPuzzleOneAndItsMovesSolveIt) {
    const std::string data = KALDER_SHIPPED_DATA;
    const std::string page = read_whole_file(data + "kalder.htm").value_or("");
    const std::string line = read_collection_line(data + "puzzles.kdr", 1).value_or("");
    const auto example = page.substr(page.find("name=\"example\""));
    const auto start = example.substr(0, example.find("</table>"));
    std::string cells;
    const std::regex cell("<td>(\\d)</td>");
    for (std::sregex_iterator it(start.begin(), start.end(), cell), end; it != end; ++it)
        cells += (*it)[1];
    EXPECT_TRUE(line.starts_with("00001,3," + cells + ",")) << cells;
    EXPECT_NE(page.find("<pre>" + line + "</pre>"), std::string::npos) << line;

    const auto parsed = parse_puzzle_line(line);
    ASSERT_TRUE(parsed.ok());
    Position position = start_position(*parsed.line).value_or(Position(0));
    const std::regex move("<td>cell (\\d) &rarr; cell (\\d)</td><td>([^<]*)</td>");
    const auto moves = example.substr(0, example.find("Back to the contents"));
    int played = 0;
    for (std::sregex_iterator it(moves.begin(), moves.end(), move), end; it != end; ++it) {
        ASSERT_TRUE(position.play(Move{std::stoi((*it)[1]), std::stoi((*it)[2])})) << (*it)[0];
        std::string shown;
        for (int k = 1; k <= position.cell_count(); ++k) shown += std::to_string(position.value(k));
        EXPECT_EQ(std::regex_replace((*it)[3].str(), std::regex("[^0-9]"), ""), shown) << (*it)[0];
        ++played;
    }
    EXPECT_EQ(std::pair(played, position.solved()), std::pair(9, true));
}

}  // namespace
}  // namespace kalder::testing
