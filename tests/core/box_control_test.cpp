#include "fake_platform.h"

namespace kalder::testing {
namespace {

// A raised edge (light top and left, dark inset bottom and right), the caption in the written
// colours and font centred on the height of a "W", the picture (sized in hundredths of a
// millimetre) near the middle of a top-bar button; the pressed look lasts while a button is held.
TEST(BoxControlTest, PaintsEdgeCaptionAndPicture) {
    FakePlatform platform;  // 100 twips a character, 200 a line
    BoxControl button{platform};
    button.move(0, 0, 1200, 400);
    button.set_BackColor(RGB(1, 2, 3));
    button.set_ForeColor(255);
    button.set_Font(Font{"Courier", 10, false, false});
    button.set_FontSize(7.5);
    button.set_FontItalic(true);
    button.set_FontBold(true);
    button.set_Caption("Close");  // last, so its own repaint shows it
    const BoxPainting& p = button.painting();
    EXPECT_EQ(std::tuple(p.caption, p.caption_x, p.caption_y, p.back, p.fore, p.font),
              std::tuple("Close", 350, 100, RGB(1, 2, 3), 255, Font{"Courier", 7.5, true, true}));
    // Each change repaints at once.
    const std::pair<std::function<void()>, Font> changes[] = {
        {[&] { button.set_FontSize(9); }, {"Courier", 9, true, true}},
        {[&] { button.set_FontItalic(false); }, {"Courier", 9, true, false}},
        {[&] { button.set_FontBold(false); }, {"Courier", 9, false, false}},
        {[&] {
             button.set_Font(Font{"Arial", 8, true, false});
         },
         {"Arial", 8, true, false}}};
    for (const auto& [change, font] : changes) {
        change();
        EXPECT_EQ(p.font, font);
    }
    std::vector<std::array<int, 5>> edges;
    for (const EdgeLine& e : p.edges) edges.push_back({e.x1, e.y1, e.x2, e.y2, e.colour != 0});
    EXPECT_EQ(edges, (decltype(edges){{0, 0, 0, 400, 1},
                                      {0, 0, 1200, 0, 1},
                                      {1180, 20, 1180, 380, 0},
                                      {20, 380, 1180, 380, 0}}));
    button.press(MouseEvent{RightButton});
    const int held = button.BorderStyle();
    button.release(MouseEvent{RightButton});
    EXPECT_EQ(std::pair(held, button.BorderStyle()), std::pair(1, 0)) << "pressed only while held";
    button.move(0, 0, 390, 360);
    button.set_Picture("undo");
    EXPECT_EQ(std::tuple(p.picture, p.picture_x, p.picture_y, p.picture_width, p.picture_height),
              std::tuple("undo", 12, -3, 360, 360));
    // A change of width alone, or of height alone, repaints, the picture kept centred.
    for (const auto& [width, height] : {std::pair(600, 360), std::pair(600, 400)}) {
        button.move(0, 0, width, height);
        EXPECT_EQ(std::tuple(p.edges[1].x2, p.edges[0].y2, p.picture_x, p.picture_y),
                  std::tuple(width, height, 12 + (width - 390) / 2, -3 + (height - 360) / 2));
    }
}

}  // namespace
}  // namespace kalder::testing
