#include "core/help/about_form.h"

#include <utility>

namespace kalder {

const std::string AboutForm::Text =
    "\r\n"
    "Kalder Puzzle \r\n"
    "July 2008\r\n"
    "Contact: kalder@example.org\r\n"
    "\r\n"
    "Add, substract and get numbers in sequence in a grid\r\n"
    "\r\n"
    "Give one from a cell to a neighbour; every cell receives once.\r\n"
    "Row 1 ends all 1s, row 2 all 2s, and so on down the grid.\r\n"
    "Undo, reset, let it solve, or create a new puzzle at any time.\r\n"
    "\r\n"
    "20,000 Kalder puzzles available at https://www.example.org/kalder/\r\n";

AboutForm::AboutForm(const Platform& platform, WindowLookSource look)
    : aboutok(platform), look_(std::move(look)) {
    aboutok.move(6390, 2805, 450, 330);
    aboutok.set_Font(Font{"Arial", 7.5, false, false});
    aboutok.set_Caption("OK");
    aboutok.MouseUp = [this](const MouseEvent& event) { aboutok_MouseUp(event); };
}

void AboutForm::Form_Activate() {
    const WindowLook look = look_ ? look_() : WindowLook{};
    BackColor = look.window;
    AboutText.BackColor = look.window;
    AboutText.ForeColor = look.text;
    Label1.BackColor = look.button;
    Label1.ForeColor = look.button_text;
    aboutok.set_BackColor(look.button);
    aboutok.set_ForeColor(look.button_text);
}

void AboutForm::aboutok_MouseUp(const MouseEvent&) {
    Visible = false;
}

void AboutForm::AboutText_MouseDown() {
    Form_Unload();
}

int AboutForm::Form_KeyDown(int KeyCode) {
    if (KeyCode != KeyEscape) return KeyCode;
    Visible = false;
    return 0;
}

void AboutForm::Form_Unload() {
    Visible = false;
    Loaded = false;
}

}  // namespace kalder
