#include "core/game/kept_place.h"

#include "form1_fixture.h"

namespace kalder::testing {
namespace {

TEST(KeptPlaceFormat, ReadsBackWhatItWritesAndRefusesDamage) {
    const KeptPlace place{"/games/c.kdr", 12, SampleBody, {{5, 2}, {2, 3}}};
    EXPECT_EQ(parse_kept_place(format_kept_place(place)), place);
    const char* damaged[] = {
        "",
        "Kalder kept place 2\r\nc.kdr\r\n1\r\n121,\r\n",          // another format
        "Kalder kept place 1\r\nc.kdr\r\n1\r\n",                  // no puzzle
        "Kalder kept place 1\r\nc.kdr\r\n0\r\n121,\r\n",          // no such puzzle number
        "Kalder kept place 1\r\nc.kdr\r\n1x\r\n121,\r\n",         // junk after the number
        "Kalder kept place 1\r\nc.kdr\r\n1\r\n121,\r\n5\r\n",     // a move without receiver
        "Kalder kept place 1\r\nc.kdr\r\n1\r\n121,\r\n5 -2\r\n",  // a cell below 1
    };
    for (const char* text : damaged) EXPECT_EQ(parse_kept_place(text), std::nullopt) << text;
}

class KeptPlaceTest : public Form1Test {
  protected:
    void SetUp() override {
        folder.write("c.kdr", puzzle_line(1, 3, SampleBody) + puzzle_line(2, 3, SampleBody));
        load(folder.file("c.kdr"), 2);
    }
    // A new session after the last one ended without a word: the configuration still names
    // puzzle 2, as no Exit wrote it.
    void restart() {
        form = std::make_unique<Form1>(platform, random);
        form->Form_Load();
    }
};

TEST_F(KeptPlaceTest, AKilledSessionComesBackWithItsMovesAndUndoHistory) {
    move(5, 2);
    move(2, 3);
    const auto board = captions();
    const auto locked = locks();
    restart();
    EXPECT_EQ(form->PuzzleNumber, 2);
    EXPECT_EQ(captions(), board);
    EXPECT_EQ(locks(), locked);
    EXPECT_EQ(form->CellD[3].BackColor, LockedBack);
    move(6, 9);
    form->cmdundo_MouseUp(MouseEvent{});
    restart();
    EXPECT_EQ(captions(), board);
    ASSERT_EQ(form->UndoList.size(), 2u);
    form->cmdundo_MouseUp(MouseEvent{});
    form->cmdundo_MouseUp(MouseEvent{});
    restart();
    EXPECT_EQ(locks(), std::vector<bool>(9, false)) << "undone to the start, kept at the start";
}

TEST_F(KeptPlaceTest, APlaceThatNoLongerFitsIsNotPutBack) {
    const std::vector<std::function<void()>> changes = {
        // The puzzle's line was changed in its collection.
        [&] {
            folder.write("c.kdr", puzzle_line(1, 3, SampleBody) +
                                      puzzle_line(2, 3, "121222332,020306010205040709"));
        },
        // Start-up shows another puzzle.
        [&] { configure(folder.file("c.kdr"), 1); },
        // A move the rule refuses: cell 1 cannot give to cell 9.
        [&] {
            folder.write("kalder.kpl", "Kalder kept place 1\r\n" + folder.file("c.kdr") +
                                           "\r\n2\r\n" + SampleBody + "\r\n1 9\r\n");
        },
    };
    for (const auto& change : changes) {
        load(folder.file("c.kdr"), 2);
        move(5, 2);
        change();
        restart();
        EXPECT_EQ(locks(), std::vector<bool>(9, false));
        EXPECT_TRUE(form->UndoList.empty());
    }
}

}  // namespace
}  // namespace kalder::testing
