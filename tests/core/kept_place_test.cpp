#include "form1_fixture.h"

namespace kalder::testing {
namespace {

// A new session after the last one ended without a word: the configuration still names
// puzzle 2, as no Exit wrote it. It comes back with its moves and undo history, unless it no
// longer fits.
class KeptPlaceTest : public Form1Test {
  protected:
    void SetUp() override {
        folder.write("c.kdr", puzzle_line(1, 3, SampleBody) + puzzle_line(2, 3, SampleBody));
        load(folder.file("c.kdr"), 2);
    }
    bool fresh() const { return board().find('*') == std::string::npos && form->UndoList.empty(); }
};

TEST_F(KeptPlaceTest, AKilledSessionComesBackWithItsMovesAndUndoHistory) {
    move(5, 2);
    move(2, 3);
    const std::string played = board();
    move(6, 9);
    form->cmdundo_MouseUp(MouseEvent{});
    restart();
    ASSERT_EQ(std::pair(board(), form->UndoList.size()), std::pair(played, 2ul));
    form->cmdundo_MouseUp(MouseEvent{});
    form->cmdundo_MouseUp(MouseEvent{});
    restart();
    EXPECT_TRUE(fresh()) << "undone to the start, kept at the start";
}

TEST_F(KeptPlaceTest, APlaceThatNoLongerFitsIsNotPutBack) {
    const std::string collection = folder.file("c.kdr");
    const std::pair<std::string, std::string> changes[] = {
        // The puzzle's line changed in its collection.
        {"c.kdr",
         puzzle_line(1, 3, SampleBody) + puzzle_line(2, 3, "121222332,020306010205040709")},
        // Start-up shows another puzzle.
        {"kalder.cfg", "12-05-2026 14:02:31\r\nxp.col\r\n" + collection + "\r\n 1 \r\n"},
        // A move the rule refuses: cell 1 cannot give to cell 9.
        {"kalder.kpl",
         "Kalder kept place 1\r\n" + collection + "\r\n2\r\n" + SampleBody + "\r\n1 9\r\n"},
    };
    for (const auto& [file, content] : changes) {
        load(collection, 2);
        move(5, 2);
        folder.write(file, content);
        restart();
        EXPECT_TRUE(fresh()) << file;
    }
}

}  // namespace
}  // namespace kalder::testing
