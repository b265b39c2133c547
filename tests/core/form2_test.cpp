#include <gtest/gtest.h>

#include <filesystem>

#include "core/appearance/form2.h"
#include "core/appearance/scheme_store.h"
#include "form1_fixture.h"

namespace kalder::testing {
namespace {

std::string block_text(const std::string& header, const std::string& colour_line) {
    std::string text = header + "\r\n";
    for (int i = 0; i < 13; ++i) text += colour_line + "\r\n";
    return text;
}

// The Options dialog over a store of xp, Autumn (header "Autumn.col") and plain.
class Form2Test : public Form1Test {
  protected:
    Form2Test() {
        store = XpSchemeBlock + block_text("Autumn.col", " 200; 100; 50") +
                block_text("plain.col", " 10; 20; 30");
        folder.write("all.col", store);
        load();
        platform.messages.clear();
    }
    Form2& dialog() { return form->form2; }
    void select(const std::string& name) {
        const auto& list = dialog().List1;
        dialog().ListIndex =
            static_cast<int>(std::find(list.begin(), list.end(), name) - list.begin());
    }
    std::vector<std::string> store_lines() const {
        return read_scheme_store(folder.file("all.col")).value();
    }
    std::string store;
};

TEST_F(Form2Test, AddRefusesAPrefixOfAListedNameAndStoresTheRestInLowerCase) {
    EXPECT_EQ(dialog().List1, (std::vector<std::string>{"xp", "Autumn", "plain"}));
    platform.input_answers = {"aut", "", "Autumn2"};
    dialog().AddSch_MouseUp();
    dialog().AddSch_MouseUp();
    dialog().AddSch_MouseUp();
    EXPECT_EQ(platform.system_messages,
              (std::vector<std::string>{"Color Scheme: aut already exists",
                                        "Color Scheme: Autumn2 added"}));
    EXPECT_EQ(platform.input_boxes[0].prompt, "Enter new Color Scheme name");
    EXPECT_EQ(dialog().List1.back(), "autumn2");
    const auto lines = store_lines();
    ASSERT_EQ(lines.size(), 4 * SchemeBlockLines);
    EXPECT_EQ(lines[3 * SchemeBlockLines], "autumn2.col");
    EXPECT_EQ(lines[3 * SchemeBlockLines + 3], " 236; 233; 216");
}

TEST_F(Form2Test, ReplaceAndDeleteTouchOnlyExactHeadersAndNeverTheActiveScheme) {
    platform.system_answers = {6, 1, 6, 1, 6, 1, 6, 1};
    select("Autumn");
    dialog().RepSch_MouseUp();  // the header is "Autumn.col": nothing to replace
    EXPECT_EQ(folder.read("all.col"), store);
    form->SchemeName = "XP.COL";
    select("xp");
    dialog().DelSch_MouseUp();
    EXPECT_EQ(folder.read("all.col"), store);
    select("plain");
    form->ColourTable[2] = RGB(1, 2, 3);
    dialog().RepSch_MouseUp();
    EXPECT_EQ(store_lines()[2 * SchemeBlockLines + 3], " 1; 2; 3");
    dialog().DelSch_MouseUp();
    EXPECT_EQ(store_lines().size(), 2 * SchemeBlockLines);
    EXPECT_EQ(dialog().List1, (std::vector<std::string>{"xp", "Autumn"}));
    EXPECT_EQ(platform.system_messages,
              (std::vector<std::string>{
                  "Replace color scheme: Autumn", "Color Scheme: autumn.col replaced",
                  "Delete color scheme: xp", "Cannot delete currently active Color Scheme",
                  "Replace color scheme: plain", "Color Scheme: plain.col replaced",
                  "Delete color scheme: plain", "Color Scheme: plain.col deleted"}));
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        EXPECT_EQ(entry.path().filename().string().find("new"), std::string::npos) << entry;
    }
}

TEST_F(Form2Test, AFailedRewriteLeavesTheStoreByteForByte) {
    platform.system_answers = {6, 1, 1, 6, 1};
    select("plain");
    std::filesystem::create_directory(folder.file("all.col") + ".new-" + std::to_string(getpid()));
    dialog().RepSch_MouseUp();
    platform.input_answers = {"fresh"};
    dialog().AddSch_MouseUp();
    std::filesystem::remove(folder.file("all.col") + ".new-" + std::to_string(getpid()));
    EXPECT_EQ(folder.read("all.col"), store);
    // A block cut short by the end of the store is not rewritten either.
    const std::string cut = store.substr(0, store.size() - 13);
    folder.write("all.col", cut);
    dialog().DelSch_MouseUp();
    EXPECT_EQ(folder.read("all.col"), cut);
    EXPECT_EQ(platform.system_messages,
              (std::vector<std::string>{
                  "Replace color scheme: plain", "Error in updating Color Scheme:\r\nplain.col",
                  "Error in adding Color Scheme:\r\nfresh.col", "Delete color scheme: plain",
                  "Error in updating Color Scheme:\r\nplain.col"}));
}

TEST_F(Form2Test, PreviewShowsTheStoredBlockOrWithAMovedBarItsDerivedScheme) {
    select("Autumn");
    dialog().List1_MouseUp();
    EXPECT_EQ(form->ColourTable[3], RGB(200, 100, 50));
    EXPECT_EQ(dialog().Frame1_Caption, "Color Scheme: Autumn");
    EXPECT_EQ(dialog().BackColor, RGB(200, 100, 50));
    dialog().set_ContrastV(120);
    select("plain");
    dialog().List1_MouseUp();
    EXPECT_EQ(dialog().ContrastV, 100);
    EXPECT_EQ(form->ColourTable[4], RGB(1, 1, 1)) << "10, 20, 30 darkened by 32";
    dialog().List1.push_back("gone");
    select("gone");
    dialog().List1_MouseUp();
    EXPECT_EQ(platform.system_messages.back(), "Color Scheme: gone.col not found");
    EXPECT_EQ(form->SchemeName, "default.col");
}

TEST_F(Form2Test, TheDefaultPreviewTakesThePlainColourOfASystemBackground) {
    form->BackColor = SystemButtonFace;
    dialog().List1.push_back("Default");
    select("Default");
    dialog().List1_MouseUp();
    EXPECT_EQ(form->ColourTable[2], RGB(240, 240, 240));
    EXPECT_EQ(form->ColourTable[3], LockedBack);
    platform.input_answers = {"grey"};
    dialog().AddSch_MouseUp();
    EXPECT_EQ(store_lines()[3 * SchemeBlockLines + 3], " 240; 240; 240");
}

TEST_F(Form2Test, ApplyPaintsTheMainWindowInTheListedSchemeAndExitKeepsTheTable) {
    platform.on_options_form = [this](Form2& shown) {
        select("plain");
        shown.Command1_MouseUp();
        shown.Command2_MouseUp();
    };
    form->menu_Click("mnuoptions");
    EXPECT_EQ(platform.options_shown, 1);
    EXPECT_FALSE(dialog().Visible);
    EXPECT_EQ(form->SchemeName, "plain.col");
    EXPECT_EQ(form->BackColor, RGB(10, 20, 30));
    EXPECT_EQ(form->MenuBackColor, RGB(42, 52, 62));
    EXPECT_EQ(form->CellD[1].BackColor, RGB(10, 20, 30));
    EXPECT_EQ(form->msg_form.text_colour, LockedFore) << "dark text on a dark box is unreadable";
}

}  // namespace
}  // namespace kalder::testing
