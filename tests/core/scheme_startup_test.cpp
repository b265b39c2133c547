#include <gtest/gtest.h>

#include "core/appearance/default_scheme.h"
#include "form1_fixture.h"

namespace kalder::testing {
namespace {

TEST_F(Form1Test, WithoutAStoreTheGameStartsInItsOwnColoursAndAddMakesOne) {
    std::filesystem::remove(folder.file("all.col"));
    configure("", 1);
    form->Form_Load();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("all.col"), std::string::npos);
    EXPECT_EQ(form->ColourTable, default_colour_table());
    EXPECT_EQ(form->SchemeName, "xp.col");
    EXPECT_TRUE(form->form2.List1.empty());
    platform.input_answers = {"Mine"};
    form->form2.AddSch_MouseUp();
    EXPECT_EQ(form->form2.List1, std::vector<std::string>{"mine"});
    EXPECT_EQ(folder.read("all.col").substr(0, 10), "mine.col\r\n");
}

TEST_F(Form1Test, AnAbsentSchemeIsReportedAndOnlyNonDefaultNamesColourTheMenus) {
    const auto block = [](const std::string& header, const std::string& line) {
        std::string text = header + "\r\n";
        for (int i = 0; i < 13; ++i) text += line + "\r\n";
        return text;
    };
    folder.write("all.col", block("my DeFault.col", "10;20;30") + block("keep.col", "100;0;0"));
    folder.write("kalder.cfg", "12-05-2026 14:02:31\r\nnone.col\r\n\r\n 1 \r\n");
    form->Form_Load();
    EXPECT_EQ(platform.message_texts().front(), "Colour Scheme: none.col not found");
    EXPECT_EQ(platform.messages.front().icon_slots.size(), 1u);
    EXPECT_EQ(form->SchemeName, "default.col");

    const Colour before = form->MenuBackColor;
    const struct {
        const char* name;
        Colour back, menus;
    } steps[] = {{"my DeFault.col", RGB(10, 20, 30), before},
                 {"keep.col", RGB(100, 0, 0), RGB(132, 32, 32)},
                 {"my DeFault.col", RGB(10, 20, 30), RGB(132, 32, 32)}};
    for (const auto& step : steps) {
        form->SchemeName = step.name;
        form->Command2_Click();
        EXPECT_EQ(form->BackColor, step.back) << step.name;
        EXPECT_EQ(form->MenuBackColor, step.menus) << step.name;
    }
}

}  // namespace
}  // namespace kalder::testing
