#include "core/app/form1.h"
#include "core/files/config_file.h"

namespace kalder {

void Form1::menu_Click(const std::string& name) {
    if (name == "mnuoptions") mnuoptions_Click();
    if (name == "mnuscores") mnuscores_Click();
    if (name == "mnuhelp") mnuhelp_Click();
    if (name == "mnuabout") mnuabout_Click();
    if (name == "mnusolve") mnusolve_Click();
    if (name == "mnuexit") mnuexit_Click();
    if (name == "mnuload") mnuload_Click();
    if (name == "mnusave") mnusave_Click();
    if (name == "mnudelete") mnudelete_Click();
}

void Form1::mnuscores_Click() {
    Score1.Visible = true;
}

void Form1::mnuhelp_Click() {
    if (!help_form || !help_form->Loaded) {
        help_form = std::make_unique<Form4>([this] { return window_look(); });
    }
    help_form->Tag = ProgramFolder + "kalder.htm";
    help_form->Visible = true;
    platform_.show_help_form(*help_form);
    platform_.process_events();
}

void Form1::mnuabout_Click() {
    if (!about_form || !about_form->Loaded) {
        about_form = std::make_unique<AboutForm>(platform_, [this] { return window_look(); });
    }
    about_form->Visible = true;
    platform_.show_about_form(*about_form);
    platform_.process_events();
}

void Form1::mnuexit_Click() {
    const int answer = MsgboxA("Exit?", "vbQuestion + vbYesNo");
    if (answer != 6) return;
    SavecfgFile(
        ProgramFolder, Config{SchemeName, CollectionPath, PuzzleNumber},
        [this](const std::string& text, const std::string& style) {
            return tell_once(text, style);
        },
        platform_.local_time());
    // The other windows go first: closing the main window ends the program.
    platform_.close_other_windows();
    if (EndProgram) EndProgram();
}

}  // namespace kalder
