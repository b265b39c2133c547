#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/form1_fixture.h"
#include "web/bridge/json_writer.h"
#include "web/bridge/page_event.h"
#include "web/bridge/page_events.h"
#include "web/bridge/page_view.h"

namespace kalder::web {
namespace {

TEST(PageEvent, ReadsWholeLinesAndRefusesBrokenOnes) {
    const auto event = parse_page_event("form1\tcell\tup\t12\t2\t3\ta\ttext with\ta tab");
    ASSERT_TRUE(event);
    EXPECT_EQ(*event, (PageEvent{"form1", "cell", "up", 12, 2, 3, "a\ttext with\ta tab"}));
    EXPECT_TRUE(parse_page_event("page\tscale\toffset\t-3\t0\t0\t"));
    for (const char* broken : {"", "form1", "form1\tcell\tup\t1\t1\t0", "\tcell\tup\t1\t1\t0\t",
                               "form1\tcell\tup\t1x\t1\t0\t", "form1\tcell\tup\t\t1\t0\t",
                               "form1\tcell\tup\t1\t1\t99999999999\t"}) {
        EXPECT_FALSE(parse_page_event(broken)) << broken;
    }
}

TEST(PageEvent, ReadsExactlyTheNumbersOfATextOneBlankApart) {
    int two[2] = {};
    EXPECT_TRUE(read_numbers("-12 340", two));
    EXPECT_EQ(two[0], -12);
    EXPECT_EQ(two[1], 340);
    for (const char* wrong : {"", "12", "12 ", " 12 34", "12  34", "12 34 ", "12 34 5", "12.5 34",
                              "12 x", "99999999999 1"}) {
        EXPECT_FALSE(read_numbers(wrong, two)) << wrong;
    }
    int one[1] = {};
    EXPECT_TRUE(read_numbers("255", one));
    EXPECT_EQ(one[0], 255);
}

TEST(JsonWriter, EscapesTextSeparatesEntriesAndWritesNoNumberJsonLacks) {
    JsonWriter json;
    json.begin_object()
        .field("text", std::string("say \"hi\"\\\r\n\t\x01"))
        .field("n", -4)
        .field("inf", std::numeric_limits<double>::infinity())
        .colour_field("face", SystemButtonFace)
        .colour_field("plain", RGB(1, 2, 255));
    json.key("list").begin_array().number(1LL).begin_object().end_object().null().end_array();
    json.end_object();
    EXPECT_EQ(json.text(),
              R"({"text":"say \"hi\"\\\r\n\t\u0001","n":-4,"inf":null,"face":"#f0f0f0",)"
              R"("plain":"#0102ff","list":[1,{},null]})");
}

TEST(PageView, FitsTheViewportInQuarterStepsAndShrinksOnlyBelowTheDesignedSize) {
    struct Case {
        PixelSize viewport;
        int offset;
        double scale;
    };
    const Case cases[] = {{{360, 740}, 0, 1.0},     {{1920, 1080}, 0, 2.75},
                          {{1920, 1080}, -2, 2.25}, {{1920, 1080}, 5, 2.75},
                          {{3840, 2160}, 0, 5.5},   {{163, 382}, 0, 0.5}};
    for (const Case& c : cases) {
        PageView page;
        page.viewport = c.viewport;
        page.scale_offset = c.offset;
        EXPECT_DOUBLE_EQ(page.scale(), c.scale) << c.viewport.width << " " << c.offset;
    }
    PageView page;
    page.viewport = {1920, 1080};
    dispatch_page_view(page, {"page", "scale", "smaller", 0, 0, 0, ""});
    EXPECT_DOUBLE_EQ(page.scale(), 2.5);
    dispatch_page_view(page, {"page", "scale", "larger", 0, 0, 0, ""});
    dispatch_page_view(page, {"page", "scale", "larger", 0, 0, 0, ""});
    EXPECT_DOUBLE_EQ(page.scale(), 2.75);  // no larger than fits
    EXPECT_EQ(page.scale_offset, 0);
    dispatch_page_view(page, {"page", "viewport", "resize", 0, 0, 0, "360 -1"});
    EXPECT_EQ(page.viewport.width, 1920);
}

class WebDispatch : public testing::Form1Test {
  protected:
    WebDispatch() { show_body(testing::SampleBody); }
    void send(const std::string& line) {
        const auto event = parse_page_event(line);
        ASSERT_TRUE(event) << line;
        dispatch(windows, *event);
    }
    WebWindows windows{*form, {}, {}, {}, {}, {}};
};

TEST_F(WebDispatch, ClicksReachTheModelAndWhatThePageDoesNotHaveIsIgnored) {
    send("form1\tcell\tup\t2\t1\t0\t");
    EXPECT_EQ(form->SourceCell, 2);
    for (const char* ignored :
         {"nowhere\tcell\tup\t3\t1\t0\t", "form1\tcell\tup\t99\t1\t0\t",
          "form1\tcell\tup\t-1\t1\t0\t", "form1\tnothing\tup\t3\t1\t0\t",
          "form1\tarrows\tup\t7\t1\t0\t", "form1\tmenu\tclick\t0\t0\t0\tmnunothing",
          "msgbox\tcmd\tup\t0\t1\t0\t"}) {
        send(ignored);
        EXPECT_EQ(form->SourceCell, 2) << ignored;
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(WebDispatch, AnOpenModalWindowHoldsThePage) {
    form->msg_form.visible = true;
    send("form1\tcell\tup\t2\t1\t0\t");
    EXPECT_EQ(form->SourceCell, -1);
    send("page\tscale\toffset\t2\t0\t0\t");
    EXPECT_EQ(windows.page.scale_offset, 2);
    form->msg_form.visible = false;
    windows.input_box.open("Size?", "Create", "5");
    send("inputBox\ttext\tchange\t0\t0\t0\t7");
    send("inputBox\tok\tclick\t0\t0\t0\t");
    EXPECT_FALSE(windows.input_box.visible);
    EXPECT_TRUE(windows.input_box.accepted);
    EXPECT_EQ(windows.input_box.text, "7");
}

}  // namespace
}  // namespace kalder::web
