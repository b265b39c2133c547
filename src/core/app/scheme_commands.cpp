#include <filesystem>

#include "core/app/form1.h"
#include "core/files/colour_scheme.h"
#include "core/files/scheme_store.h"

namespace kalder {

void Form1::LoadColourScheme(const std::string& name) {
    const auto lines = read_scheme_store(SchemeStorePath);
    if (lines && read_scheme_block(*lines, name, BlockReading::Load, ColourTable)) return;
    MsgboxA("Colour Scheme: " + name + " not found", "vbcritical");
    SchemeName = "default.col";
}

void Form1::start_in_scheme() {
    std::error_code ignored;
    if (std::filesystem::exists(SchemeStorePath, ignored)) {
        LoadColourScheme(SchemeName);
        return;
    }
    // Without a store the built-in colours (those of "xp.col") stay; Add in the Options dialog
    // makes a new store.
    MsgboxA("Colour scheme file:\r\n" + SchemeStorePath +
                "\r\nnot found, the built-in colours are used",
            "vbexclamation+vbok");
}

void Form1::ApplyColourScheme() {
    ColourIndex = 4;
    BackColor = ColourTable[2];
    PuzNum.BackColor = ColourTable[4];
    for (BoxControl* button : {&cmdcreate, &cmdreset, &cmdundo}) {
        button->set_BackColor(ColourTable[4]);
    }
    for (auto& arrow : arrows) arrow.set_BackColor(ColourTable[4]);
    Score1.set_BackColor(ColourTable[2]);
    if (!names_default(SchemeName)) MenuBackColor = ColourTable[3];
    Shape1.BorderColor = ColourTable[4];
    Shape2.BorderColor = ColourTable[3];
    Line1.BorderColor = ColourTable[MoveLineSlot];
    GiverRingColor = ColourTable[GiverRingSlot];
    DeadEndColor = ColourTable[DeadEndSlot];
    // Locked cells keep their look: they are painted with the scheme only once open again.
    for (int k = 1; k <= board.CellCount; ++k) {
        if (board.locked(k)) {
            paint_locked(k);
        } else {
            paint_open(k);
        }
    }
    Gsize.BackColor = LockedBack;
    Gsize.ForeColor = LockedFore;
    msg_form.background = ColourTable[2];
    msg_form.button_colour = ColourTable[4];
    // Dark text, unless the scheme's background is too dark to read it on.
    msg_form.text_colour = readable_text_on(ColourTable[2]);
}

void Form1::Command2_Click() {
    LoadColourScheme(SchemeName);
    ApplyColourScheme();
    keep_settings();
}

void Form1::mnuoptions_Click() {
    platform_.show_options_form(form2);
    platform_.process_events();
}

}  // namespace kalder
