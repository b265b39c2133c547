#include "core/app/move_arrow.h"

#include "form1_fixture.h"

namespace kalder::testing {
namespace {

class MoveArrowTest : public Form1Test {};

// Where a cell shows its value, two digits wide, in bold 15 point Arial.
TwipRect value_area(const CellLabel& cell) {
    return {cell.Left + 83, cell.Top + 143, 334, 214};
}

bool overlap(const TwipRect& a, const TwipRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST_F(MoveArrowTest, TheArrowCrossesTheEdgeBetweenTheCellsAndHidesNeitherValue) {
    form->board.GridSize = 5;
    form->LayoutBoard();
    struct Case {
        int receiver;
        const ImageBox& image;
        ArrowDirection direction;
    };
    const Case cases[] = {{14, form->Rght, ArrowDirection::Right},
                          {12, form->Lft, ArrowDirection::Left},
                          {8, form->Up, ArrowDirection::Up},
                          {18, form->Down, ArrowDirection::Down}};
    const CellLabel& giver = form->CellD[13];
    for (const auto& [receiver, image, direction] : cases) {
        form->HideMoveMarks();
        form->ShowMoveArrow(13, receiver);
        ASSERT_TRUE(image.Visible);
        const TwipRect glyph = arrow_glyph(image, direction, giver.Width);
        const CellLabel& target = form->CellD[receiver];
        EXPECT_TRUE(overlap(glyph, {giver.Left, giver.Top, giver.Width, giver.Height}));
        EXPECT_TRUE(overlap(glyph, {target.Left, target.Top, target.Width, target.Height}));
        EXPECT_FALSE(overlap(glyph, value_area(target))) << receiver;
        EXPECT_FALSE(overlap(glyph, value_area(giver))) << receiver;
    }
}

}  // namespace
}  // namespace kalder::testing
