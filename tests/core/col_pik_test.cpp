#include <gtest/gtest.h>

#include "core/appearance/col_pik.h"
#include "fake_platform.h"

namespace kalder::testing {
namespace {

class ColPikTest : public ::testing::Test {
  protected:
    ColPikTest() {
        pik.UserControl_Resize();
        pik.SelColor = [this](Colour& c) { events.push_back(c); };
    }
    FakePlatform platform;
    ColPik pik{platform};
    std::vector<Colour> events;
};

TEST_F(ColPikTest, WritingTheColourMovesEachBarAndRaisesOneEventPerMovedBar) {
    EXPECT_EQ(pik.SchemeColor(), RGB(192, 192, 192));
    pik.set_SchemeColor(RGB(200, 100, 50));
    EXPECT_EQ(events,
              (std::vector<Colour>{RGB(200, 192, 192), RGB(200, 100, 192), RGB(200, 100, 50)}));
    EXPECT_EQ(pik.degree_caption, (std::array<std::string, 3>{"200", "100", "50"}));
    EXPECT_EQ(pik.PicRGB[1], RGB(0, 100, 0));
    EXPECT_EQ(pik.black_strip.front(), RGB(0, 0, 0));
    EXPECT_EQ(pik.black_strip.back(), RGB(200, 100, 50));
    EXPECT_EQ(pik.white_strip.front(), RGB(255, 255, 255));
    EXPECT_EQ(pik.white_strip.back(), RGB(200, 100, 50));

    events.clear();
    pik.set_SchemeColor(RGB(200, 100, 50));
    pik.set_SchemeColor(RGB(200, 100, 51));
    EXPECT_EQ(events, std::vector<Colour>{RGB(200, 100, 51)});
}

TEST_F(ColPikTest, ShadesRoundHalvesToEven) {
    const Colour c = RGB(200, 100, 50);
    EXPECT_EQ(ColPik::clrBlackness(c, 128), RGB(100, 50, 25));
    EXPECT_EQ(ColPik::clrBlackness(c, 0), RGB(0, 0, 0));
    EXPECT_EQ(ColPik::clrWhiteness(c, 128), RGB(228, 178, 152));
    EXPECT_EQ(ColPik::clrWhiteness(c, 256), c);
}

TEST_F(ColPikTest, AClickPicksThePaintedColourAndOnlyTheStripAreaKeepsTheStrips) {
    const auto red_box = ColPik::palette_box(12);
    pik.UserControl_MouseUp(MouseEvent{LeftButton, 0, red_box.x1 + 1.0, red_box.y1 + 1.0});
    EXPECT_EQ(pik.SchemeColor(), RGB(255, 0, 0));
    EXPECT_EQ(events.back(), RGB(255, 0, 0));
    EXPECT_EQ(pik.white_strip.back(), RGB(255, 0, 0));

    // The bottom row reaches 5 twips into the strip area: picked, strips kept.
    const auto blue_box = ColPik::palette_box(13);
    pik.UserControl_MouseUp(MouseEvent{LeftButton, 0, blue_box.x1 + 1.0, 902});
    EXPECT_EQ(pik.SchemeColor(), RGB(255, 0, 255));
    EXPECT_EQ(pik.white_strip.back(), RGB(255, 0, 0));
    pik.UserControl_MouseUp(MouseEvent{RightButton, 0, ColPik::StripLeft + 128.0, 1000});
    EXPECT_EQ(pik.SchemeColor(), RGB(128, 0, 0));
    EXPECT_EQ(pik.StripsEnabled, 1);
}

TEST_F(ColPikTest, ASystemColourIsSelectedAsThePlainColourItStandsFor) {
    pik.set_SchemeColor(SystemButtonFace);
    EXPECT_EQ(pik.SchemeColor(), RGB(240, 240, 240));
    EXPECT_EQ(events.back(), RGB(240, 240, 240));
    pik.set_SchemeColor(0x800000FFu);
    EXPECT_EQ(pik.SchemeColor(), RGB(0, 0, 0));
}

}  // namespace
}  // namespace kalder::testing
