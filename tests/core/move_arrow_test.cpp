#include "core/app/move_arrow.h"

#include "form1_fixture.h"

namespace kalder::testing {
namespace {

class MoveArrowTest : public Form1Test {};

bool overlap(const TwipRect& a, const TwipRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

int arrows_shown(const Form1& form) {
    return form.Lft.Visible + form.Rght.Visible + form.Up.Visible + form.Down.Visible;
}

// One arrow, the move's own; its glyph crosses the cells' edge and hides neither value (two
// digits of bold 15 point Arial at most). No arrow points across a row's end.
TEST_F(MoveArrowTest, TheArrowCrossesTheCellsEdgeAndHidesNeitherValue) {
    form->board.GridSize = 5;
    form->LayoutBoard();
    const std::tuple<int, const ImageBox&, ArrowDirection> cases[] = {
        {14, form->Rght, ArrowDirection::Right},
        {12, form->Lft, ArrowDirection::Left},
        {8, form->Up, ArrowDirection::Up},
        {18, form->Down, ArrowDirection::Down}};
    for (const auto& [receiver, image, direction] : cases) {
        form->HideMoveMarks();
        form->ShowMoveArrow(13, receiver);
        ASSERT_EQ(std::pair(arrows_shown(*form), image.Visible), std::pair(1, true)) << receiver;
        const TwipRect glyph = arrow_glyph(image, direction, 500);
        for (const int cell : {13, receiver}) {
            const CellLabel& label = form->CellD[cell];
            EXPECT_TRUE(overlap(glyph, {label.Left, label.Top, 500, 500})) << receiver;
            EXPECT_FALSE(overlap(glyph, {label.Left + 83, label.Top + 143, 334, 214})) << receiver;
        }
    }
    form->HideMoveMarks();
    form->ShowMoveArrow(15, 16);
    EXPECT_EQ(arrows_shown(*form), 0);
}

}  // namespace
}  // namespace kalder::testing
