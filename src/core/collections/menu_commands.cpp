#include "core/app/form1.h"
#include "core/appearance/config_file.h"

namespace kalder {

void Form1::menu_Click(const std::string& name) {
    if (name == "mnuscores") mnuscores_Click();
    if (name == "mnusolve") mnusolve_Click();
    if (name == "mnuexit") mnuexit_Click();
}

void Form1::mnuscores_Click() {
    Score1.Visible = true;
}

void Form1::mnuexit_Click() {
    const int answer = MsgboxA("Exit?", "vbQuestion + vbYesNo");
    platform_.process_events();
    if (answer != 6) return;
    SavecfgFile(
        ProgramFolder, Config{SchemeName, CollectionPath, PuzzleNumber},
        [this](const std::string& text, const std::string& style) { return MsgboxA(text, style); },
        platform_.local_time());
    if (EndProgram) EndProgram();
}

}  // namespace kalder
