#include "form1_fixture.h"

namespace kalder::testing {
namespace {

// A new session after the last one ended without a word. The puzzle comes back with its moves
// and undo history, but fresh when the place no longer fits: its line changed, a kept move is
// one the rule refuses, or it was kept for a collection that is gone.
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
    // A changed line leaves the start, and the configuration, to the configuration.
    const std::string other =
        collection({puzzle_line(SampleBody), puzzle_line(SampleBody, 2)}, "other.kdr");
    load(other, 2);
    move(5, 2);
    const std::string configured = "12-05-2026 14:02:31\r\nxp.col\r\n" + path + "\r\n 1 \r\n";
    folder.write("kalder.cfg", configured);
    folder.write("other.kdr", puzzle_line(SampleBody) + puzzle_line("222111332,", 2));
    restart();
    EXPECT_EQ(
        std::tuple(form->CollectionPath, form->PuzzleNumber, fresh(), folder.read("kalder.cfg")),
        std::tuple(path, 1, true, configured));
    // A line that lacks cells comes back with no caption on a cell it lacks.
    load(collection({"00001,3,12122233,\r\n"}, "short.kdr"), 1);
    move(5, 2);
    restart();
    EXPECT_EQ(std::pair(form->UndoList.size(), form->CellD[9].Caption),
              std::pair(1ul, std::string()));
}

// The close box and a kill leave the scheme applied, the collection, the puzzle shown and its
// moves for the next start; a configuration naming another puzzle (as one written only at Exit
// does) neither hides nor overwrites the place kept since.
TEST_F(Form1Test, NoWayOutLosesSchemePuzzleOrMoves) {
    std::string dark = "dark.col\r\n";
    for (int slot = 0; slot < 13; ++slot) dark += " 20; 20; 20\r\n";
    folder.write("all.col", XpSchemeBlock + dark);
    const std::string path = collection(
        {puzzle_line(SampleBody), puzzle_line(SampleBody, 2), puzzle_line(SampleBody, 3)});
    load(path, 1);
    form->form2.ListIndex = 1;
    form->form2.Command1.release(MouseEvent{});  // Apply "dark"
    form->arrows_MouseUp(0, MouseEvent{});       // round to puzzle 3
    move(5, 2);
    const auto place = [&] {
        return std::tuple(form->SchemeName, form->BackColor, form->CollectionPath,
                          form->PuzzleNumber, board(), form->UndoList.size());
    };
    const auto played = place();
    ASSERT_EQ(std::get<3>(played), 3);
    const std::function<void()> ways_out[] = {[&] { form.reset(); }, [] {}};
    for (const auto& way_out : ways_out) {
        way_out();  // the close box, then a kill that leaves the old session standing
        restart();
        EXPECT_EQ(place(), played);
    }
    const std::string kept = folder.read("kalder.kpl");
    folder.write("kalder.cfg", "12-05-2026 14:02:31\r\ndark.col\r\n" + path + "\r\n 1 \r\n");
    restart();
    EXPECT_EQ(std::pair(place(), folder.read("kalder.kpl")), std::pair(played, kept));
}

// What was written last is not written again while it stays the same.
TEST_F(Form1Test, AnUnchangedPlaceOrConfigurationIsNotWrittenAgain) {
    const std::string path = collection({puzzle_line(SampleBody), puzzle_line(SampleBody, 2)});
    load(path, 1);
    form->arrows_MouseUp(2, MouseEvent{});
    for (const char* name : {"kalder.kpl", "kalder.cfg"}) folder.write(name, "mark ");
    show(path, 2);
    EXPECT_EQ(folder.read("kalder.kpl") + folder.read("kalder.cfg"), "mark mark ");
}

TEST(KeptPlaceFormat, ReadsBackWhatItWritesAndRefusesDamage) {
    const KeptPlace place{"/games/c.kdr", 12, SampleBody, {{5, 2}, {2, 3}}};
    EXPECT_EQ(parse_kept_place(format_kept_place(place)), place);
    // A last line without its line end still reads, and so do lines ended by LF alone.
    EXPECT_TRUE(parse_kept_place("Kalder kept place 1\r\nc.kdr\r\n1\r\n121,"));
    EXPECT_EQ(parse_kept_place("Kalder kept place 1\nc.kdr\n12\n121,\n5 2\n"),
              (KeptPlace{"c.kdr", 12, "121,", {{5, 2}}}));
    for (const char* damaged : {"Kalder kept place 2\r\nc.kdr\r\n1\r\n121,\r\n",
                                "Kalder kept place 1\r\nc.kdr\r\n1x\r\n121,\r\n",
                                "Kalder kept place 1\r\nc.kdr\r\n1\r\n121,\r\n5\r\n",
                                "Kalder kept place 1\r\nc.kdr\r\n1\r\n121,\r\n5 -2\r\n"})
        EXPECT_EQ(parse_kept_place(damaged), std::nullopt) << damaged;
}

}  // namespace
}  // namespace kalder::testing
