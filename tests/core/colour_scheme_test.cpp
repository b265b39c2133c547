#include "core/files/colour_scheme.h"
#include "core/files/scheme_store.h"
#include "core/help/window_look.h"
#include "fake_platform.h"

namespace kalder::testing {
namespace {

using Lines = std::vector<std::string>;

// Colour lines read as the store has always been read, a negative or too large number making
// the block malformed; headers are listed loosely but looked up exactly.
TEST(SchemeStore, ColourLinesAndHeadersReadAsTheStoreHasAlwaysBeenRead) {
    const std::pair<std::string, std::optional<std::array<int, 3>>> cases[] = {
        {" 300; 2.5;3.5;junk", std::array{300, 2, 4}},
        {"x;;", std::array{0, 0, 0}},
        {"1;2", std::nullopt},
        {"-1;0;0", std::nullopt},
        {"0;32767;0", std::array{0, 32767, 0}},
        {"0;32768;0", std::nullopt}};
    for (const auto& [line, channels] : cases)
        EXPECT_EQ(read_colour_fields(line), channels) << line;
    EXPECT_EQ(compose_colour({300, 256, 255}), RGB(255, 255, 255));
    const Lines lines{"XP.col", "xp.col ", "no header", "xp.col.bak", "xp.col"};
    EXPECT_EQ(list_schemes(lines), (Lines{"XP", "xp", "xp", "xp"}));
    EXPECT_EQ(find_header(lines, "xp.col"), 4u);
    EXPECT_EQ(find_header(lines, "Xp.col"), std::nullopt);
}

// Loading makes slot 3 slot 2 lightened and slot 5 slot 4 darkened, never reading their own
// lines; the preview reads every line, so it refuses such a block. A short block fills what it
// has.
TEST(ColourScheme, LoadingDerivesSlots3And5AndAShortBlockFillsWhatItHas) {
    const struct {
        std::string slot2, slot4;
        Colour slot3, slot5;
    } cases[] = {
        {"224;10;40", "20;32;33", RGB(255, 42, 72), RGB(8, 8, 1)},
        {"225;10;40", "100;100;100", RGB(254, 42, 72), RGB(68, 68, 68)},
    };
    for (const auto& c : cases) {
        Lines lines(SchemeBlockLines, "7;8;9");
        lines[0] = "xp.col";
        std::tie(lines[3], lines[4], lines[5]) = std::tuple(c.slot2, "", c.slot4);
        SchemeTable table{};
        ASSERT_TRUE(read_scheme_block(lines, "xp.col", BlockReading::Load, table));
        EXPECT_EQ(std::tuple(table[3], table[5], table[12]),
                  std::tuple(c.slot3, c.slot5, RGB(7, 8, 9)));
        EXPECT_FALSE(read_scheme_block(lines, "xp.col", BlockReading::Preview, table));
    }
    Lines cut(SchemeBlockLines - 1, "7;8;9");
    cut[0] = "xp.col";
    SchemeTable table{};
    table.fill(RGB(99, 99, 99));
    EXPECT_FALSE(read_scheme_block(cut, "xp.col", BlockReading::Preview, table));
    EXPECT_EQ(std::tuple(table[11], table[12]), std::tuple(RGB(7, 8, 9), RGB(99, 99, 99)));
}

// Slots 3 .. 8 of RGB(200, 100, 50); -100 swaps the dark and the light shades.
TEST(ColourScheme, DerivedShadesFollowTheContrast) {
    const Colour base = RGB(200, 100, 50);
    const std::array<Colour, 6> full = {RGB(72, 1, 1),      RGB(168, 68, 18),  RGB(136, 36, 1),
                                        RGB(244, 228, 178), RGB(232, 132, 82), RGB(244, 164, 114)};
    const std::pair<int, std::array<Colour, 6>> cases[] = {
        {100, full},
        {-100, {full[3], full[4], full[5], full[0], full[1], full[2]}},
        {5,
         {RGB(194, 94, 44), RGB(198, 98, 48), RGB(197, 97, 47), RGB(206, 106, 56),
          RGB(202, 102, 52), RGB(203, 103, 53)}},
    };
    for (const auto& [contrast, shades] : cases) {
        SchemeTable table{};
        table[13] = RGB(5, 5, 5);
        DeriveScheme(base, contrast, table);
        EXPECT_EQ(std::tuple(table[0], table[1], table[2], table[9], table[10], table[11],
                             table[12], table[13]),
                  std::tuple(RGB(1, 1, 1), RGB(240, 240, 240), base, RGB(128, 0, 0), RGB(255, 0, 0),
                             RGB(0, 128, 0), RGB(0, 255, 0), RGB(5, 5, 5)));
        for (int slot = 3; slot <= 8; ++slot)
            EXPECT_EQ(table[slot], shades[slot - 3]) << contrast << " slot " << slot;
    }
}

// Every shipped scheme, as the game loads it, reads: text on the window and on the cells and
// links on the help page at 4.5 : 1, the move marks at 3 : 1 against the window and the cells,
// the dead-end box's digit on it, and every cell, open or locked, stands out from the window by
// its fill or its edge at 3 : 1.
TEST(ColourScheme, EveryShippedSchemeReads) {
    const auto store = read_scheme_store(std::string(KALDER_SHIPPED_DATA) + "all.col");
    ASSERT_TRUE(store);
    const Lines names = list_schemes(*store);
    ASSERT_GE(names.size(), 2u);
    for (const std::string& name : names) {
        SchemeTable table{};
        ASSERT_TRUE(read_scheme_block(*store, name + ".col", BlockReading::Load, table)) << name;
        const WindowLook look = window_look_of(table[2], table[4]);
        const std::pair<Colour, Colour> readable[] = {{look.text, table[2]},
                                                      {look.button_text, table[4]},
                                                      {look.link, table[2]},
                                                      {readable_text_on(table[9]), table[9]}};
        for (const auto& [fore, back] : readable)
            EXPECT_GE(contrast_ratio(fore, back), 4.5) << name;
        for (const Colour fill : {table[4], LockedBack}) {
            EXPECT_GE(std::max(contrast_ratio(fill, table[2]),
                               contrast_ratio(cell_edge_on(table[2]), table[2])),
                      3.0)
                << name;
        }
        for (int mark = 9; mark <= 12; ++mark) {
            EXPECT_GE(std::min(contrast_ratio(table[mark], table[2]),
                               contrast_ratio(table[mark], table[4])),
                      3.0)
                << name << " slot " << mark;
        }
    }
}

// Each moved bar raises its event; the strips run from black and from white to the colour,
// their halves rounded to even; a system colour is selected as the plain colour it stands for.
// A click picks the painted colour; from the strip area down (the palette's bottom row reaches
// 5 twips into it) it keeps the strips.
TEST(ColPik, WritingTheColourMovesEachBarAndAClickPicksThePaintedColour) {
    FakePlatform platform;
    ColPik pik(platform);
    pik.UserControl_Resize();
    std::vector<Colour> events;
    pik.SelColor = [&](Colour& c) { events.push_back(c); };
    const Colour c = RGB(200, 100, 50);
    for (const Colour colour : {c, c, SystemButtonFace}) pik.set_SchemeColor(colour);
    EXPECT_EQ(events,
              (std::vector<Colour>{RGB(200, 192, 192), RGB(200, 100, 192), c, RGB(240, 100, 50),
                                   RGB(240, 240, 50), RGB(240, 240, 240)}));
    pik.set_SchemeColor(c);
    EXPECT_EQ((std::array{pik.black_strip[128], pik.white_strip[0], pik.white_strip[128]}),
              (std::array{RGB(100, 50, 25), RGB(255, 255, 255), RGB(228, 178, 152)}));
    const auto click = [&](double x, double y) {
        pik.UserControl_MouseUp(MouseEvent{RightButton, 0, x, y});
        return std::tuple(pik.SchemeColor(), events.back(), pik.white_strip.back());
    };
    EXPECT_EQ(click(11, 706), std::tuple(RGB(255, 0, 0), RGB(255, 0, 0), RGB(255, 0, 0)));
    EXPECT_EQ(click(76, 902), std::tuple(RGB(255, 0, 255), RGB(255, 0, 255), RGB(255, 0, 0)));
    EXPECT_EQ(click(138, 1000), std::tuple(RGB(128, 0, 0), RGB(128, 0, 0), RGB(255, 0, 0)));
    EXPECT_EQ(click(76, 100), std::tuple(RGB(0, 0, 128), RGB(0, 0, 128), RGB(0, 0, 128)));
}

// Each channel's swatch shows its bar's value alone; the strips' painted edges pick their ends,
// a point beside them the background; so do a palette box's corners. A moved bar selects its
// colour, strips and all.
TEST(ColPik, ChannelSwatchesAndTheStripsEdges) {
    FakePlatform platform;
    ColPik pik(platform);
    pik.set_SchemeColor(RGB(200, 100, 50));
    EXPECT_EQ(pik.PicRGB, (std::array{RGB(200, 0, 0), RGB(0, 100, 0), RGB(0, 0, 50)}));
    const Colour none = platform.translate_colour(pik.BackColor);
    const Colour black = RGB(0, 0, 0), colour = RGB(200, 100, 50), white = RGB(255, 255, 255);
    pik.palette_painted = true;
    const std::tuple<int, int, Colour> points[] = {
        {10, 950, black},  {266, 1149, colour}, {9, 1000, none},     {267, 1000, none},
        {100, 1150, none}, {10, 1175, white},   {266, 1374, colour}, {100, 1375, none},
        {10, 30, black},   {65, 230, black},    {66, 230, none},     {65, 231, none}};
    for (const auto& [x, y, painted] : points)
        EXPECT_EQ(pik.colour_at(x, y), painted) << x << "," << y;
    pik.set_bar(0, 0);
    EXPECT_EQ(std::tuple(pik.SchemeColor(), pik.white_strip.back()),
              std::tuple(RGB(0, 100, 50), RGB(0, 100, 50)));
}

// The caption "Selected", the swatch, the channel swatches and the values are labels: a release
// on one picks nothing, while the bare surface between them still picks its own colour.
TEST(ColPik, AReleaseOnALabelChangesNothing) {
    FakePlatform platform;
    ColPik pik(platform);
    pik.UserControl_Resize();
    pik.set_SchemeColor(RGB(200, 100, 50));
    int events = 0;
    pik.SelColor = [&](Colour&) { ++events; };
    const std::pair<const char*, MouseEvent> labels[] = {
        {"Selected", {LeftButton, 0, 70, 1390}},
        {"swatch", {LeftButton, 0, 1000, 1560}},
        {"red", {LeftButton, 0, 1100, 1200}},
        {"green", {RightButton, 0, 1600, 1360}},
        {"blue", {LeftButton, 0, 1760, 1175}},
        {"red value", {LeftButton, 0, 1060, 1500}},
        {"green value", {LeftButton, 0, 1700, 1570}},
        {"blue value", {LeftButton, 0, 2050, 1400}},
        {"red value's corner", {LeftButton, 0, 1050, 1380}}};
    for (const auto& [label, release] : labels) {
        pik.UserControl_MouseUp(release);
        EXPECT_EQ(std::tuple(pik.SchemeColor(), events), std::tuple(RGB(200, 100, 50), 0)) << label;
    }
    // Also just past a label's right or bottom edge.
    for (const auto& [x, y] :
         {std::pair(740.0, 1450.0), std::pair(705.0, 1400.0), std::pair(100.0, 1545.0)}) {
        pik.set_SchemeColor(RGB(200, 100, 50));
        pik.UserControl_MouseUp(MouseEvent{LeftButton, 0, x, y});
        EXPECT_EQ(pik.SchemeColor(), platform.translate_colour(pik.BackColor)) << x << "," << y;
    }
}

}  // namespace
}  // namespace kalder::testing
