#include "core/appearance/form2.h"

#include <algorithm>
#include <filesystem>

#include "core/base/atomic_file.h"
#include "core/base/platform.h"
#include "core/base/text_case.h"
#include "core/files/colour_scheme.h"
#include "core/files/config_file.h"

namespace kalder {

namespace {

constexpr const char* Title = "Kalder";

bool starts_with_ignoring_case(const std::string& entry, const std::string& prefix) {
    return entry.size() >= prefix.size() &&
           lower_case(entry.substr(0, prefix.size())) == lower_case(prefix);
}

void place(BoxControl& button, int left, int top, int width, int height, const std::string& caption,
           const std::string& tip) {
    button.move(left, top, width, height);
    button.set_Font(Font{"Arial", 7.5, false, false});
    button.set_Caption(caption);
    button.ToolTipText = tip;
}

}  // namespace

Form2::Form2(Platform& platform, SchemeHost host)
    : ColPik1(platform),
      ShowSch(platform),
      RepSch(platform),
      DelSch(platform),
      AddSch(platform),
      Command1(platform),
      Command2(platform),
      platform_(platform),
      host_(std::move(host)) {
    place(ShowSch, 120, 2340, 990, 330, "View", "View current color setting");
    place(RepSch, 1110, 2340, 990, 330, "Replace", "Replace the current color scheme");
    place(DelSch, 120, 2700, 990, 330, "Delete", "Delete the color scheme");
    place(AddSch, 1110, 2700, 990, 330, "Add", "Add this color scheme");
    place(Command1, 1050, 3480, 1005, 330, "Apply", "Apply changes");
    place(Command2, 2055, 3480, 1005, 330, "Exit", "Exit without applying changes");
    ShowSch.MouseUp = [this](const MouseEvent&) { ShowSch_MouseUp(); };
    RepSch.MouseUp = [this](const MouseEvent&) { RepSch_MouseUp(); };
    DelSch.MouseUp = [this](const MouseEvent&) { DelSch_MouseUp(); };
    AddSch.MouseUp = [this](const MouseEvent&) { AddSch_MouseUp(); };
    Command1.MouseUp = [this](const MouseEvent&) { Command1_MouseUp(); };
    Command2.MouseUp = [this](const MouseEvent&) { Command2_MouseUp(); };
    ColPik1.UserControl_Resize();
    ColPik1.SelColor = [this](Colour& c) { ColourTable[2] = c; };
}

std::string Form2::selected_text() const {
    if (ListIndex < 0 || ListIndex >= static_cast<int>(List1.size())) return "";
    return List1[ListIndex];
}

void Form2::fill_list(const std::vector<std::string>& store_lines) {
    List1 = list_schemes(store_lines);
    ListIndex = -1;
}

void Form2::Form_Activate() {
    ContrastV_Tag = "X";
    set_ContrastV(ContrastDesign);
    ContrastV_Tag.clear();
    ColourTable = host_.ColourTable;
    ColPik1.set_SchemeColor(ColourTable[2]);
    paint_controls();
}

void Form2::paint_controls() {
    BackColor = Frame1_BackColor = List1_BackColor = ColourTable[2];
    for (BoxControl* button : buttons()) button->set_BackColor(ColourTable[4]);
}

void Form2::PaintOptionsDialog() {
    Frame1_Caption = "Color Scheme: " + selected_text();
    paint_controls();
}

void Form2::set_ContrastV(int value) {
    value = std::clamp(value, ContrastMin, ContrastMax);
    if (value == ContrastV) return;
    ContrastV = value;
    if (ContrastV_Tag != "X") View();
}

void Form2::View() {
    DeriveScheme(ColPik1.SchemeColor(), ContrastV, ColourTable);
    PaintOptionsDialog();
}

// A click on the list's empty part before anything was chosen previews nothing, rather than
// report a scheme ".col" as missing and drop the active scheme's name.
void Form2::List1_MouseUp() {
    const std::string s = selected_text();
    if (s.empty()) return;
    Colour base = 0;
    LoadSchemePreview(s + ".col", base);
    ColPik1.set_SchemeColor(base);
    set_ContrastV(ContrastDesign);
    PaintOptionsDialog();
}

void Form2::LoadSchemePreview(const std::string& name, Colour& base) {
    SchemeTable& table = ColourTable;
    if (lower_case(name) == "default.col") {
        // The main window may paint with a system colour; the scheme gets the plain colour.
        table[2] = platform_.translate_colour(host_.main_background);
        table[4] = table[2];
        table[3] = LockedBack;
        base = table[2];
        return;
    }
    const auto lines = read_scheme_store(host_.SchemeStorePath);
    if (lines && read_scheme_block(*lines, name, BlockReading::Preview, table)) {
        base = table[2];
        return;
    }
    message("Color Scheme: " + name + " not found");
    base = 0;
}

void Form2::AddSch_MouseUp() {
    const std::string name = platform_.input_box("Enter new Color Scheme name", Title, "");
    if (name.empty()) return;
    const bool listed = std::any_of(List1.begin(), List1.end(), [&](const std::string& entry) {
        return starts_with_ignoring_case(entry, name);
    });
    if (listed) {
        message("Color Scheme: " + name + " already exists");
        return;
    }
    const std::string h = lower_case(name) + ".col";
    // Refused, rather than added as a scheme the next start could not find: the listing cuts a
    // name at its first ".col", and the configuration must read the name back whole.
    if (h.find(".col") != h.size() - 4 || !config_holds_scheme_name(h)) {
        message("Error in adding Color Scheme:\r\n" + h);
        return;
    }
    // A store not there yet is made by the first Add.
    auto lines = read_scheme_store(host_.SchemeStorePath);
    std::error_code ignored;
    if (!lines && !std::filesystem::exists(host_.SchemeStorePath, ignored)) lines.emplace();
    if (lines) {
        const auto block = scheme_block(h, plain_table());
        lines->insert(lines->end(), block.begin(), block.end());
    }
    if (!lines || !write_file_atomically(host_.SchemeStorePath, store_text(*lines))) {
        message("Error in adding Color Scheme:\r\n" + h);
        return;
    }
    fill_list(*lines);
    message("Color Scheme: " + name + " added");
}

std::optional<std::string> Form2::confirmed_header(const std::string& none_selected,
                                                   const std::string& question) {
    const std::string s = selected_text();
    if (s.empty()) {
        message(none_selected);
        return std::nullopt;
    }
    if (!ask(question + s)) return std::nullopt;
    return lower_case(s) + ".col";
}

void Form2::RepSch_MouseUp() {
    const auto header =
        confirmed_header("Select a color scheme to replace", "Replace color scheme: ");
    if (!header) return;
    const std::string& h = *header;
    if (rewrite_store(h, scheme_block(h, plain_table())))
        message("Color Scheme: " + h + " replaced");
}

void Form2::DelSch_MouseUp() {
    const auto header =
        confirmed_header("Select a color scheme to delete", "Delete color scheme: ");
    if (!header) return;
    const std::string& h = *header;
    if (h == lower_case(host_.SchemeName)) {
        message("Cannot delete currently active Color Scheme");
        return;
    }
    const auto lines = rewrite_store(h, {});
    if (!lines) return;
    fill_list(*lines);
    message("Color Scheme: " + h + " deleted");
}

void Form2::Command1_MouseUp() {
    const std::string s = selected_text();
    if (!s.empty()) host_.SchemeName = s + ".col";
    if (host_.press_Command2) host_.press_Command2();
    // The dialog goes on from the colours applied, as the main window now shows them.
    ColourTable = host_.ColourTable;
}

void Form2::Command2_MouseUp() {
    Visible = false;
}

void Form2::message(const std::string& text) {
    platform_.system_message_box(text, Title, "vbok");
}

// Every question here replaces or deletes a scheme: Enter alone keeps it.
bool Form2::ask(const std::string& text) {
    return platform_.system_message_box(text, Title, "vbyesno+vbdefaultbutton2") == 6;
}

SchemeTable Form2::plain_table() const {
    SchemeTable table = ColourTable;
    for (Colour& c : table) c = platform_.translate_colour(c);
    return table;
}

std::optional<std::vector<std::string>> Form2::rewrite_store(
    const std::string& header, const std::vector<std::string>& block) {
    const auto lines = read_scheme_store(host_.SchemeStorePath);
    // A listed name whose header has capitals has no block under the lower-case header.
    if (lines && !find_header(*lines, header)) {
        message("Color Scheme: " + header + " not found");
        return std::nullopt;
    }
    auto rewritten = lines ? rewrite_blocks(*lines, header, block) : std::nullopt;
    if (!rewritten || !write_file_atomically(host_.SchemeStorePath, store_text(*rewritten))) {
        message("Error in updating Color Scheme:\r\n" + header);
        return std::nullopt;
    }
    return rewritten;
}

}  // namespace kalder
