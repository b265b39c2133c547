#include "form1_fixture.h"

namespace kalder::testing {
namespace {

class MenuCommandsTest : public Form1Test {
  protected:
    void SetUp() override {
        folder.write("c.kdr", puzzle_line(1, 3, SampleBody) + puzzle_line(2, 3, SampleBody));
        load(folder.file("c.kdr"), 2);
        form->EndProgram = [this] { ++ended; };
        folder.write("kalder.cfg", "untouched");
        platform.messages.clear();
    }
    int ended = 0;
};

TEST_F(MenuCommandsTest, ExitAsksAndOnlyYesSavesTheSettingsAndEnds) {
    for (const int answer : {7, -1}) {
        platform.message_answers = {answer};
        form->menu_Click("mnuexit");
        EXPECT_EQ(folder.read("kalder.cfg"), "untouched") << answer;
        EXPECT_EQ(ended, 0) << answer;
    }
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, "Exit?");
    EXPECT_EQ(platform.messages[0].buttons, (std::vector<std::string>{"Yes", "No"}));

    platform.message_answers = {6};
    form->menu_Click("mnuexit");
    EXPECT_EQ(ended, 1);
    const std::string saved = folder.read("kalder.cfg");
    EXPECT_NE(saved.find("\r\nxp.col\r\n" + folder.file("c.kdr") + "\r\n 2 \r\n"),
              std::string::npos)
        << saved;
}

TEST_F(MenuCommandsTest, ScoresShowsThePanelAndCancelDoesNothing) {
    form->menu_Click("mnucan1");
    form->menu_Click("can2");
    EXPECT_FALSE(form->Score1.Visible);
    EXPECT_TRUE(platform.messages.empty());
    form->menu_Click("mnuscores");
    EXPECT_TRUE(form->Score1.Visible);
}

}  // namespace
}  // namespace kalder::testing
