#include <gtest/gtest.h>

#include "core/appearance/colour_scheme.h"
#include "core/appearance/scheme_store.h"

namespace kalder::testing {
namespace {

std::vector<std::string> block(const std::string& header, std::vector<std::string> colours) {
    colours.insert(colours.begin(), header);
    return colours;
}

// Thirteen colour lines whose slot 2 and slot 4 lines are given; every other slot is 7;8;9.
std::vector<std::string> colours_with(const std::string& slot2, const std::string& slot4) {
    std::vector<std::string> lines(13, "7;8;9");
    lines[2] = slot2;
    lines[4] = slot4;
    return lines;
}

TEST(SchemeStore, ColourLinesReadAsTheStoreHasAlwaysBeenRead) {
    const struct {
        std::string line;
        std::optional<std::array<int, 3>> channels;
    } cases[] = {
        {" 255; 128; 0", std::array{255, 128, 0}},
        {"1;2;3;junk", std::array{1, 2, 3}},
        {"2.5; 3.5;x", std::array{2, 4, 0}},
        {"300;3e1;0", std::array{300, 30, 0}},
        {"1;2", std::nullopt},
        {"", std::nullopt},
        {"-1;0;0", std::nullopt},
        {"0;40000;0", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(read_colour_fields(c.line), c.channels) << c.line;
    EXPECT_EQ(compose_colour({300, 256, 255}), RGB(255, 255, 255));
}

TEST(SchemeStore, HeadersAreListedLooselyButLookedUpExactly) {
    const std::vector<std::string> lines{"XP.col", "xp.col ", "no header", "xp.col.bak", "xp.col"};
    EXPECT_EQ(list_schemes(lines), (std::vector<std::string>{"XP", "xp", "xp", "xp"}));
    EXPECT_EQ(find_header(lines, "xp.col"), 4u);
    EXPECT_EQ(find_header(lines, "Xp.col"), std::nullopt);
}

TEST(SchemeStore, BlocksAreWrittenWithSignBlanksAndRewrittenWhole) {
    SchemeTable table{};
    table[2] = RGB(255, 128, 0);
    const auto written = scheme_block("new.col", table);
    ASSERT_EQ(written.size(), SchemeBlockLines);
    EXPECT_EQ(written[3], " 255; 128; 0");

    auto store = block("a.col", std::vector<std::string>(13, "1;1;1"));
    const auto b = block("b.col", std::vector<std::string>(13, "2;2;2"));
    store.insert(store.end(), b.begin(), b.end());
    store.insert(store.end(), b.begin(), b.end());
    const auto dropped = rewrite_blocks(store, "b.col", {});
    EXPECT_EQ(dropped, block("a.col", std::vector<std::string>(13, "1;1;1")));
    const auto replaced = rewrite_blocks(store, "b.col", written);
    ASSERT_TRUE(replaced);
    EXPECT_EQ(list_schemes(*replaced), (std::vector<std::string>{"a", "new", "new"}));
    store.pop_back();
    EXPECT_EQ(rewrite_blocks(store, "b.col", {}), std::nullopt);
}

TEST(ColourScheme, LoadingLightensSlot3AndDarkensSlot5FromTheirNeighbours) {
    const struct {
        std::string slot2, slot4;
        Colour slot3, slot5;
    } cases[] = {
        {"224;10;40", "20;32;33", RGB(255, 42, 72), RGB(8, 8, 1)},
        {"225;10;40", "100;100;100", RGB(254, 42, 72), RGB(68, 68, 68)},
    };
    for (const auto& c : cases) {
        auto colours = colours_with(c.slot2, c.slot4);
        colours[3] = "";  // never read by the load
        colours[5] = "x";
        SchemeTable table{};
        ASSERT_TRUE(
            read_scheme_block(block("xp.col", colours), "xp.col", BlockReading::Load, table));
        EXPECT_EQ(table[3], c.slot3) << c.slot2;
        EXPECT_EQ(table[5], c.slot5) << c.slot4;
        EXPECT_EQ(table[12], RGB(7, 8, 9));
        EXPECT_FALSE(
            read_scheme_block(block("xp.col", colours), "xp.col", BlockReading::Preview, table));
    }
}

TEST(ColourScheme, AShortBlockFillsTheSlotsItHasAndFails) {
    auto colours = colours_with("1;2;3", "4;5;6");
    colours.pop_back();
    SchemeTable table{};
    table.fill(RGB(99, 99, 99));
    EXPECT_FALSE(
        read_scheme_block(block("xp.col", colours), "xp.col", BlockReading::Preview, table));
    EXPECT_EQ(table[11], RGB(7, 8, 9));
    EXPECT_EQ(table[12], RGB(99, 99, 99));
}

TEST(ColourScheme, DerivedShadesFollowTheContrast) {
    const Colour base = RGB(200, 100, 50);
    const struct {
        int contrast;
        std::array<Colour, 6> slots3to8;
    } cases[] = {
        {100,
         {RGB(72, 1, 1), RGB(168, 68, 18), RGB(136, 36, 1), RGB(244, 228, 178), RGB(232, 132, 82),
          RGB(244, 164, 114)}},
        {-100,
         {RGB(244, 228, 178), RGB(232, 132, 82), RGB(244, 164, 114), RGB(72, 1, 1),
          RGB(168, 68, 18), RGB(136, 36, 1)}},
        {0, {base, base, base, base, base, base}},
        {5,
         {RGB(194, 94, 44), RGB(198, 98, 48), RGB(197, 97, 47), RGB(206, 106, 56),
          RGB(202, 102, 52), RGB(203, 103, 53)}},
    };
    for (const auto& c : cases) {
        SchemeTable table{};
        table[13] = RGB(5, 5, 5);
        DeriveScheme(base, c.contrast, table);
        EXPECT_EQ(table[2], base);
        for (int slot = 3; slot <= 8; ++slot) {
            EXPECT_EQ(table[slot], c.slots3to8[slot - 3]) << c.contrast << " slot " << slot;
        }
        EXPECT_EQ(table[13], RGB(5, 5, 5));
    }
}

TEST(ColourScheme, EveryShippedSchemeKeepsTheCellsReadableAndApartFromLockedOnes) {
    const auto lines = read_scheme_store(KALDER_DATA_DIR "/all.col");
    ASSERT_TRUE(lines);
    const auto names = list_schemes(*lines);
    ASSERT_GE(names.size(), 6u);
    EXPECT_EQ(names.front(), "xp");
    for (const std::string& name : names) {
        SchemeTable table{};
        ASSERT_TRUE(read_scheme_block(*lines, name + ".col", BlockReading::Preview, table)) << name;
        SchemeTable loaded{};
        ASSERT_TRUE(read_scheme_block(*lines, name + ".col", BlockReading::Load, loaded));
        EXPECT_EQ(table, loaded) << name << ": the preview differs from the applied scheme";
        // Dark text on open cells at 4.5 : 1 also sets them 3 : 1 apart from locked cells.
        EXPECT_GE(contrast_ratio(LockedBack, table[4]), 4.5) << name;
    }
}

}  // namespace
}  // namespace kalder::testing
