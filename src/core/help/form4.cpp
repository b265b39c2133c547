#include "core/help/form4.h"

#include <utility>

namespace kalder {

namespace {

// The room the design leaves around the page view, kept as the window is resized.
constexpr int WidthBesideBrowser = Form4::DesignWidth - HelpBrowser::DesignWidth;
constexpr int HeightBesideBrowser = Form4::DesignHeight - HelpBrowser::DesignHeight;

}  // namespace

Form4::Form4(WindowLookSource look) : look_(std::move(look)) {}

void Form4::Form_Activate() {
    WebBrowser1.Navigate(Tag);
    const WindowLook look = look_ ? look_() : WindowLook{};
    BackColor = look.window;
    PageText = look.text;
    PageLink = look.link;
    for (PushButton& button : Command) {
        button.BackColor = look.button;
        button.ForeColor = look.button_text;
    }
}

// Whatever the address: the page's top, without a place in it, is a place to go to as well.
void Form4::Command1_Click() {
    WebBrowser1.GoBack();
}

void Form4::Command2_Click() {
    WebBrowser1.GoForward();
}

void Form4::Command3_Click() {
    Visible = false;
}

// A window too small for a page view keeps the last size that fitted.
void Form4::Form_Resize() {
    const int width = Width - WidthBesideBrowser;
    const int height = Height - HeightBesideBrowser;
    if (width > 0) WebBrowser1.Width = width;
    if (height > 0) WebBrowser1.Height = height;
}

void Form4::Form_Unload() {
    Visible = false;
    Loaded = false;
}

}  // namespace kalder
