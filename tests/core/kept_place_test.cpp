#include "form1_fixture.h"

namespace kalder::testing {
namespace {

// A new session after the last one ended without a word: the configuration still names
// puzzle 2, as no Exit wrote it. The puzzle comes back with its moves and undo history, but
// fresh when the place no longer fits: its line changed, start-up shows another puzzle, or a
// kept move is one the rule refuses, or it was kept for another collection.
TEST_F(Form1Test, AKilledSessionComesBackWithItsMovesUnlessThePlaceNoLongerFits) {
    const std::string path = collection({puzzle_line(SampleBody), puzzle_line(SampleBody, 2)});
    const auto fresh = [&] {
        return board().find('*') == std::string::npos && form->UndoList.empty();
    };
    load(path, 2);
    move(5, 2);
    move(2, 3);
    const std::string played = board();
    move(6, 9);
    form->cmdundo_MouseUp(MouseEvent{});
    restart();
    ASSERT_EQ(std::pair(board(), form->UndoList.size()), std::pair(played, 2ul));
    for (int i = 0; i < 2; ++i) form->cmdundo_MouseUp(MouseEvent{});
    restart();
    EXPECT_TRUE(fresh()) << "undone to the start, kept at the start";
    move(4, 7);
    move(9, 6);  // no solution from here on
    restart();
    EXPECT_EQ(form->Gsize.ToolTipText, "No solution from here") << "a dead end comes back marked";
    const std::pair<std::string, std::string> changes[] = {
        {"kalder.kpl", "Kalder kept place 1\r\n/another.kdr\r\n2\r\n" + SampleBody + "\r\n5 2\r\n"},
        {"c.kdr", puzzle_line(SampleBody) + puzzle_line("121222332,020306010205040709", 2)},
        {"kalder.cfg", "12-05-2026 14:02:31\r\nxp.col\r\n" + path + "\r\n 1 \r\n"},
        {"kalder.kpl",
         "Kalder kept place 1\r\n" + path + "\r\n2\r\n121222332,020306010205040709\r\n1 9\r\n"},
    };
    for (const auto& [file, content] : changes) {
        load(path, 2);
        move(5, 2);
        folder.write(file, content);
        restart();
        EXPECT_TRUE(fresh()) << file;
    }
}

TEST(KeptPlaceFormat, ReadsBackWhatItWritesAndRefusesDamage) {
    const KeptPlace place{"/games/c.kdr", 12, SampleBody, {{5, 2}, {2, 3}}};
    EXPECT_EQ(parse_kept_place(format_kept_place(place)), place);
    // A last line without its line end still reads.
    EXPECT_TRUE(parse_kept_place("Kalder kept place 1\r\nc.kdr\r\n1\r\n121,"));
    for (const char* damaged : {"Kalder kept place 2\r\nc.kdr\r\n1\r\n121,\r\n",
                                "Kalder kept place 1\r\nc.kdr\r\n1x\r\n121,\r\n",
                                "Kalder kept place 1\r\nc.kdr\r\n1\r\n121,\r\n5\r\n",
                                "Kalder kept place 1\r\nc.kdr\r\n1\r\n121,\r\n5 -2\r\n"})
        EXPECT_EQ(parse_kept_place(damaged), std::nullopt) << damaged;
}

}  // namespace
}  // namespace kalder::testing
