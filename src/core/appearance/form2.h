#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/appearance/col_pik.h"
#include "core/controls/box_control.h"
#include "core/files/scheme_store.h"

namespace kalder {

class Platform;

// What the Options dialog shares with the main window: it starts from the main window's colours
// and hands the chosen scheme back through the scheme name, which only Apply sets.
struct SchemeHost {
    const SchemeTable& ColourTable;
    std::string& SchemeName;
    const std::string& SchemeStorePath;
    // The main window's background, the "default.col" preview's colour.
    const Colour& main_background;
    // The main window's trigger: reload the named scheme and paint with it.
    std::function<void()> press_Command2;
};

// Model of the Options dialog: choose, preview, derive, add, replace, delete and apply colour
// schemes of the store. Previews and derived schemes fill the dialog's own table, so the main
// window changes only at Apply. Questions and notices go through the system's message box.
class Form2 {
  public:
    static constexpr int ContrastMin = -100;
    static constexpr int ContrastMax = 300;
    static constexpr int ContrastDesign = 100;
    static constexpr int ContrastSmallStep = 5;
    static constexpr int ContrastLargeStep = 20;

    // The designed layout in twips; the picker, the bar and the list lie in the frame and are
    // placed relative to it.
    struct Place {
        int left, top, width, height;
    };
    static constexpr int ClientWidth = 4020;
    static constexpr int ClientHeight = 4080;
    static constexpr Place Frame1_Place{60, 90, 3915, 3180};
    static constexpr Place ColPik1_Place{90, 270, ColPik::Width, ColPik::Height};
    static constexpr Place ContrastV_Place{96, 1944, 2028, 228};
    static constexpr Place List1_Place{2232, 240, 1590, 2835};
    static inline const Font List1_Font{"Courier New", 9.75, false, false};
    static inline const Font Frame1_Font{"Arial", 8.25, false, false};
    static constexpr const char* ContrastV_Name = "Contrast";
    static constexpr const char* List1_Name = "Color schemes";

    Form2(Platform& platform, SchemeHost host);
    Form2(const Form2&) = delete;
    Form2& operator=(const Form2&) = delete;

    // Handlers.
    void Form_Activate();
    void List1_MouseUp();
    // The contrast bar moved; a change while its tag is "X" does nothing.
    void set_ContrastV(int value);
    void ShowSch_MouseUp() { View(); }
    void AddSch_MouseUp();
    void RepSch_MouseUp();
    void DelSch_MouseUp();
    void Command1_MouseUp();
    void Command2_MouseUp();

    // The list's selected text, "" when nothing is selected.
    std::string selected_text() const;
    // Fills the list from the store's lines by the listing rule; nothing selected.
    void fill_list(const std::vector<std::string>& store_lines);

    std::string Caption = "Kalder Options";
    bool Visible = false;
    Colour BackColor = SystemButtonFace;
    std::string Frame1_Caption = "Color Scheme";
    Colour Frame1_BackColor = SystemButtonFace;
    Colour List1_BackColor = SystemWindow;
    std::vector<std::string> List1;
    // The colours previewed, derived and written by Add and Replace; the main window's at
    // activation.
    SchemeTable ColourTable{};
    int ListIndex = -1;
    int ContrastV = ContrastDesign;
    std::string ContrastV_Tag;
    ColPik ColPik1;
    BoxControl ShowSch, RepSch, DelSch, AddSch, Command1, Command2;

  private:
    void View();
    // Fills the table from the named block (no +32/-32 rule); "default.col" copies the main
    // window's background. base receives slot 2, or 0 when the scheme is not found.
    void LoadSchemePreview(const std::string& name, Colour& base);
    void PaintOptionsDialog();
    void paint_controls();
    std::array<BoxControl*, 6> buttons() {
        return {&Command1, &Command2, &ShowSch, &AddSch, &DelSch, &RepSch};
    }
    void message(const std::string& text);
    bool ask(const std::string& text);
    // The header of the listed scheme the player chose and confirmed by answering `question`
    // followed by its name; nothing, after saying `none_selected`, when none is chosen, and
    // nothing when the answer is No.
    std::optional<std::string> confirmed_header(const std::string& none_selected,
                                                const std::string& question);
    // The table's slots as plain colours, ready to be written.
    SchemeTable plain_table() const;
    // The store rewritten whole with the block under the header replaced or (empty) dropped;
    // nothing, after saying why, when no block has the header or the store could not be read,
    // was cut short or could not be written.
    std::optional<std::vector<std::string>> rewrite_store(const std::string& header,
                                                          const std::vector<std::string>& block);

    Platform& platform_;
    SchemeHost host_;
};

}  // namespace kalder
