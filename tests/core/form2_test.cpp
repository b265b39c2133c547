#include "core/appearance/default_scheme.h"
#include "core/base/text_case.h"
#include "form1_fixture.h"

namespace kalder::testing {
namespace {

using Lines = std::vector<std::string>;

std::string block_text(const std::string& header, const std::string& colour_line) {
    std::string text = header + "\r\n";
    for (int i = 0; i < 13; ++i) text += colour_line + "\r\n";
    return text;
}

// The Options dialog over a store of xp, Autumn (header "Autumn.col") and plain.
class Form2Test : public Form1Test {
  protected:
    Form2Test() {
        folder.write("all.col", store);
        load();
    }
    void select(const std::string& name) {
        const Lines& list = dialog.List1;
        dialog.ListIndex =
            static_cast<int>(std::find(list.begin(), list.end(), name) - list.begin());
    }
    // Line n of the store's block b.
    std::string stored(std::size_t b, std::size_t n) const {
        return read_scheme_store(folder.file("all.col")).value().at(b * SchemeBlockLines + n);
    }
    const std::string store = XpSchemeBlock + block_text("Autumn.col", " 200; 100; 50") +
                              block_text("plain.col", " 10; 20; 30");
    Form2& dialog = form->form2;
};

// Replace and Delete touch only exact headers (and say so when there is none) and never the
// active scheme; a rewrite that cannot be written, or whose block is cut short by the end of the
// store, leaves it byte for byte.
TEST_F(Form2Test, ReplaceAndDeleteRewriteTheStoreWholeOrNotAtAll) {
    platform.system_answers = {6, 1, 6, 1, 6, 1, 6, 1, 1, 6, 1, 6, 1, 1, 6, 1};
    select("Autumn");
    dialog.RepSch.release(MouseEvent{});  // the header is "Autumn.col": nothing to replace
    dialog.DelSch.release(MouseEvent{});
    form->SchemeName = "XP.COL";
    select("xp");
    dialog.DelSch.release(MouseEvent{});
    select("plain");
    const std::string in_the_way = folder.file("all.col") + ".new-" + std::to_string(getpid());
    std::filesystem::create_directory(in_the_way);
    dialog.RepSch.release(MouseEvent{});
    platform.input_answers = {"fresh"};
    dialog.AddSch.release(MouseEvent{});
    std::filesystem::remove(in_the_way);
    EXPECT_EQ(folder.read("all.col"), store);
    dialog.ColourTable[2] = RGB(1, 2, 3);
    dialog.RepSch.release(MouseEvent{});
    EXPECT_EQ(stored(2, 3), " 1; 2; 3");
    dialog.DelSch.release(MouseEvent{});
    EXPECT_EQ(folder.read("all.col"), store.substr(0, store.find("plain.col")));
    EXPECT_EQ(dialog.List1, (Lines{"xp", "Autumn"}));
    dialog.ListIndex = 2;  // the deleted entry's place: nothing is selected
    dialog.RepSch.release(MouseEvent{});
    const std::string cut = XpSchemeBlock.substr(0, XpSchemeBlock.size() - 13);
    folder.write("all.col", cut);
    form->SchemeName = "plain.col";
    select("xp");
    dialog.DelSch.release(MouseEvent{});
    EXPECT_EQ(folder.read("all.col"), cut);
    EXPECT_EQ(platform.system_messages,
              (Lines{"Replace color scheme: Autumn", "Color Scheme: autumn.col not found",
                     "Delete color scheme: Autumn", "Color Scheme: autumn.col not found",
                     "Delete color scheme: xp", "Cannot delete currently active Color Scheme",
                     "Replace color scheme: plain", "Error in updating Color Scheme:\r\nplain.col",
                     "Error in adding Color Scheme:\r\nfresh.col", "Replace color scheme: plain",
                     "Color Scheme: plain.col replaced", "Delete color scheme: plain",
                     "Color Scheme: plain.col deleted", "Select a color scheme to replace",
                     "Delete color scheme: xp", "Error in updating Color Scheme:\r\nxp.col"}));
}

// The stored block, or with the bar moved its derived scheme; "Default" copies the plain colour
// of the window's (system) background, which Add then writes under a new name in lower case
// (a prefix of a listed name is refused).
TEST_F(Form2Test, PreviewShowsTheStoredBlockTheDerivedSchemeOrTheWindowsBackgroundAndAddsIt) {
    std::string buttons;
    for (const BoxControl* b : {&dialog.ShowSch, &dialog.RepSch, &dialog.DelSch, &dialog.AddSch,
                                &dialog.Command1, &dialog.Command2}) {
        buttons += b->Caption() + ": " + b->ToolTipText + "|";
        EXPECT_EQ(b->GetFont(), (Font{"Arial", 7.5, false, false}));
    }
    EXPECT_EQ(buttons,
              "View: View current color setting|Replace: Replace the current color "
              "scheme|Delete: Delete the color scheme|Add: Add this color scheme|Apply: "
              "Apply changes|Exit: Exit without applying changes|");
    select("Autumn");
    dialog.List1_MouseUp();
    EXPECT_EQ(std::tuple(dialog.ColourTable[3], dialog.BackColor, dialog.Frame1_Caption),
              std::tuple(RGB(200, 100, 50), RGB(200, 100, 50), "Color Scheme: Autumn"));
    dialog.ColPik1.UserControl_MouseUp(MouseEvent{LeftButton, 0, 11, 706});  // the palette's red
    EXPECT_EQ(dialog.ColourTable[2], RGB(255, 0, 0));
    form->ColourTable[2] = RGB(200, 100, 50);
    dialog.set_ContrastV(120);
    select("plain");                 // chosen, not previewed
    form->menu_Click("mnuoptions");  // the picker starts at the window's colour; Exit hides
    EXPECT_EQ(dialog.Frame1_Caption, "Color Scheme: Autumn") << "activation previews nothing";
    dialog.ShowSch.release(MouseEvent{});  // View: the scheme derived at the contrast shown
    EXPECT_EQ(std::pair(dialog.ColourTable[3], dialog.Visible), std::pair(RGB(72, 1, 1), false));
    dialog.set_ContrastV(120);
    select("plain");
    dialog.List1_MouseUp();
    EXPECT_EQ(std::tuple(dialog.ContrastV, dialog.ColourTable[4]), std::tuple(100, RGB(1, 1, 1)));
    form->BackColor = SystemButtonFace;
    dialog.List1 = {"Default"};
    select("Default");
    dialog.List1_MouseUp();
    EXPECT_EQ(std::tuple(dialog.ColourTable[2], dialog.ColourTable[3]),
              std::tuple(RGB(240, 240, 240), LockedBack));
    platform.input_answers = {"def", "DEFAULT", "", "Grey"};
    for (int i = 0; i < 4; ++i) dialog.AddSch.release(MouseEvent{});
    EXPECT_EQ(dialog.List1.back() + stored(3, 0) + stored(3, 3), "greygrey.col 240; 240; 240");
    dialog.List1.push_back("gone");
    select("gone");
    dialog.List1_MouseUp();
    EXPECT_EQ(form->SchemeName, "xp.col") << "changed only by Apply";
    EXPECT_EQ(platform.system_messages,
              (Lines{"Color Scheme: def already exists", "Color Scheme: DEFAULT already exists",
                     "Color Scheme: Grey added", "Color Scheme: gone.col not found"}));
}

// Any name Add takes comes back as the scheme after a restart, commas and a leading blank
// included; one the listing or the configuration could not give back whole is refused.
TEST_F(Form2Test, EverySchemeAddTakesComesBackAfterARestart) {
    std::string seen;
    for (const std::string name : {"a,b", " lead", "q\"x", "\"q,", "x.Colour"}) {
        platform.input_answers = {name};
        form->form2.AddSch.release(MouseEvent{});
        const Lines& list = form->form2.List1;
        const auto listed = std::find(list.begin(), list.end(), lower_case(name));
        if (listed == list.end()) {
            seen += platform.system_messages.back() + "|";
            continue;
        }
        form->form2.ListIndex = static_cast<int>(listed - list.begin());
        form->form2.Command1.release(MouseEvent{});  // Apply
        platform.messages.clear();
        restart();
        seen += form->SchemeName + std::to_string(platform.messages.size()) + "|";
    }
    EXPECT_EQ(seen,
              "a,b.col0| lead.col0|q\"x.col0|Error in adding Color Scheme:\r\n\"q,.col|Error in "
              "adding Color Scheme:\r\nx.colour.col|");
}

// Previews, View, a picked colour and a failed preview stay in the dialog: Exit leaves the main
// window, its cells and puzzle-number box included, as it was, also after a move repaints cells.
TEST_F(Form2Test, OnlyApplyChangesTheMainWindow) {
    show_body(SampleBody);
    const auto look = [&] {
        return std::tuple(form->ColourTable, form->BackColor, form->PuzNum.BackColor,
                          form->CellD[5].BackColor, form->SchemeName, form->MenuBackColor);
    };
    const auto before = look();
    dialog.Form_Activate();
    dialog.List1.push_back("gone");
    for (const char* name : {"Autumn", "gone", "plain"}) {
        select(name);
        dialog.List1_MouseUp();
    }
    dialog.set_ContrastV(150);
    dialog.ColPik1.UserControl_MouseUp(MouseEvent{LeftButton, 0, 11, 706});
    dialog.ShowSch.release(MouseEvent{});
    dialog.Command2.release(MouseEvent{});  // Exit
    move(5, 2);
    EXPECT_EQ(look(), before);
}

// A scheme paints the window, its cells and buttons, the board's two frames and, unless its name
// holds DEFAULT, the menus; the message box's text stays readable on it.
TEST_F(Form2Test, OnlySchemesNotNamedDefaultColourTheMenusAndTheMessageTextStaysReadable) {
    folder.write("all.col", store + block_text("my DeFault.col", "100;0;0"));
    const struct {
        const char* name;
        Colour back, cells, menus, text, inner_frame;
    } steps[] = {
        {"plain", RGB(10, 20, 30), RGB(10, 20, 30), RGB(42, 52, 62), LockedFore, RGB(42, 52, 62)},
        {"my DeFault", RGB(100, 0, 0), RGB(100, 0, 0), RGB(42, 52, 62), LockedFore,
         RGB(132, 32, 32)},
        {"xp", RGB(236, 233, 216), RGB(204, 201, 184), RGB(254, 254, 248), LockedBack,
         RGB(254, 254, 248)}};
    dialog.List1 = {"plain", "my DeFault", "xp"};
    for (const auto& step : steps) {
        select(step.name);
        dialog.Command1.release(MouseEvent{});  // Apply
        EXPECT_EQ(std::tuple(form->BackColor, form->Score1.BackColor(), form->CellD[1].BackColor,
                             form->cmdundo.BackColor(), form->PuzNum.BackColor, form->MenuBackColor,
                             form->msg_form.text_colour, form->Shape1.BorderColor,
                             form->Shape2.BorderColor),
                  std::tuple(step.back, step.back, step.cells, step.cells, step.cells, step.menus,
                             step.text, step.cells, step.inner_frame))
            << step.name;
    }
}

TEST_F(Form1Test, AnAbsentSchemeIsToldAndWithoutAStoreTheGameKeepsItsColoursAndAddMakesOne) {
    folder.write("kalder.cfg", "12-05-2026 14:02:31\r\nnone.col\r\n\r\n 1 \r\n");
    load();
    EXPECT_EQ(std::tuple(platform.message_texts().front(), form->SchemeName),
              std::tuple("Colour Scheme: none.col not found", "default.col"));
    std::filesystem::remove(folder.file("all.col"));
    configure("", 1);
    platform.messages.clear();
    restart();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("all.col"), std::string::npos);
    EXPECT_EQ(std::tuple(form->ColourTable, form->SchemeName, form->form2.List1.size()),
              std::tuple(default_colour_table(), "xp.col", 0u));
    platform.input_answers = {"Mine"};
    form->form2.AddSch.release(MouseEvent{});
    EXPECT_EQ(form->form2.List1, Lines{"mine"});
    EXPECT_EQ(folder.read("all.col").substr(0, 10), "mine.col\r\n");
}

}  // namespace
}  // namespace kalder::testing
