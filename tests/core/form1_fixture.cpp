#include "form1_fixture.h"

namespace kalder::testing {

Form1Test::Form1Test() {
    platform.folder = platform.working = folder.slash();
    folder.write("all.col", XpSchemeBlock);
    form = std::make_unique<Form1>(platform, random);
}

void Form1Test::configure(const std::string& collection, int number) {
    folder.write("kalder.cfg", "12-05-2026 14:02:31\r\nxp.col\r\n" + collection + "\r\n " +
                                   std::to_string(number) + " \r\n");
}

void Form1Test::restart() {
    form = std::make_unique<Form1>(platform, random);
    form->Form_Load();
}

void Form1Test::load(const std::string& collection, int number) {
    if (!collection.empty()) configure(collection, number);
    form->Form_Load();
}

std::string Form1Test::collection(const std::vector<std::string>& lines, const std::string& name) {
    std::string text;
    for (const std::string& line : lines) text += line;
    folder.write(name, text);
    return folder.file(name);
}

std::string Form1Test::board() const {
    std::string text;
    for (int k = 1; k <= form->board.CellCount; ++k) {
        const CellLabel& cell = form->CellD[k];
        EXPECT_TRUE(cell.Visible || cell.Caption.empty()) << "hidden cell " << k;
        text += (k > 1 ? " " : "") + (cell.Visible ? cell.Caption : "-") +
                (form->board.locked(k) ? "*" : "");
    }
    return text;
}

}  // namespace kalder::testing
