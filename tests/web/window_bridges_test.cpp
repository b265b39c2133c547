#include <gtest/gtest.h>

#include "core/appearance/default_scheme.h"
#include "core/fake_platform.h"
#include "web/bridge/about_bridge.h"
#include "web/bridge/form2_bridge.h"
#include "web/bridge/help_bridge.h"

namespace kalder::web {
namespace {

PageEvent event(const std::string& control, const std::string& action, int index = 0,
                const std::string& text = "") {
    return {"", control, action, index, LeftButton, 0, text};
}

class Form2BridgeTest : public ::testing::Test {
  protected:
    Form2BridgeTest() {
        form.fill_list({"xp.col"});
        form.Visible = true;
        form.Form_Activate();
    }

    testing::FakePlatform platform;
    SchemeTable table = default_colour_table();
    std::string scheme = "xp.col";
    std::string store = "/nonexistent/all.col";
    Colour background = RGB(1, 2, 3);
    Form2 form{platform, SchemeHost{table, scheme, store, background, nullptr}};
};

TEST_F(Form2BridgeTest, WritesNothingWhileHidden) {
    form.Visible = false;
    JsonWriter json;
    write_form2(json, form);
    EXPECT_EQ(json.text(), "null");
    dispatch_form2(form, event("ContrastV", "change", 0, "200"));
    EXPECT_EQ(form.ContrastV, Form2::ContrastDesign);
}

// What the page sends is checked before a handler sees it: a bad number or row does nothing.
TEST_F(Form2BridgeTest, RefusesMalformedValuesAndRows) {
    for (const char* text : {"", "abc", "150x", "1e3"}) {
        dispatch_form2(form, event("ContrastV", "change", 0, text));
        EXPECT_EQ(form.ContrastV, Form2::ContrastDesign) << text;
    }
    dispatch_form2(form, event("ContrastV", "change", 0, "9999"));
    EXPECT_EQ(form.ContrastV, Form2::ContrastMax);
    dispatch_form2(form, event("List1", "up", 5));
    EXPECT_EQ(form.ListIndex, -1);
    EXPECT_TRUE(platform.system_messages.empty());
    dispatch_form2(form, event("bar", "change", 3, "10"));
    dispatch_form2(form, event("bar", "change", 0, "300"));
    EXPECT_EQ(form.ColPik1.bar_value[0], 255);
}

TEST_F(Form2BridgeTest, PicksFromThePaletteWhereThePageWasClicked) {
    const ColPik::Box box = ColPik::palette_box(9);
    const std::string at = std::to_string(box.x1 + 2) + " " + std::to_string(box.y1 + 2);
    dispatch_form2(form, event("surface", "up", 0, at));
    EXPECT_EQ(form.ColPik1.SchemeColor(), ColPik::Palette[9]);
    EXPECT_EQ(form.ColourTable[2], ColPik::Palette[9]);
    dispatch_form2(form, event("Command2", "up"));
    EXPECT_FALSE(form.Visible);
}

TEST(HelpBridge, FollowsLinksThroughTheModelsHistory) {
    Form4 help(nullptr);
    help.Tag = "/home/kalder/kalder.htm";
    help.Visible = true;
    help.Form_Activate();
    dispatch_form4(help, event("page", "navigate", 0, "/home/kalder/kalder.htm#rules"));
    dispatch_form4(help, event("Command", "click", 0));
    EXPECT_EQ(help.WebBrowser1.LocationURL(), "/home/kalder/kalder.htm");
    dispatch_form4(help, event("Command", "click", 1));
    EXPECT_EQ(help.WebBrowser1.LocationURL(), "/home/kalder/kalder.htm#rules");
    dispatch_form4(help, event("form", "resize", 0, "wide 10"));
    dispatch_form4(help, event("form", "resize", 0, "-5 9000"));
    EXPECT_EQ(help.Width, Form4::DesignWidth);
    dispatch_form4(help, event("frame", "close"));
    EXPECT_FALSE(help.Loaded);
}

TEST(AboutBridge, EscapeHidesAndAPressOnTheTextEnds) {
    testing::FakePlatform platform;
    AboutForm about(platform, nullptr);
    about.Visible = true;
    dispatch_about_form(about, event("form", "key", 13));
    EXPECT_TRUE(about.Visible);
    dispatch_about_form(about, event("form", "key", AboutForm::KeyEscape));
    EXPECT_FALSE(about.Visible);
    EXPECT_TRUE(about.Loaded);
    about.Visible = true;
    dispatch_about_form(about, event("AboutText", "down"));
    EXPECT_FALSE(about.Loaded);
}

}  // namespace
}  // namespace kalder::web
