#include "core/app/move_arrow.h"

#include "form1_fixture.h"

namespace kalder::testing {
namespace {

bool overlap(const TwipRect& a, const TwipRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// A cell's value, two digits of bold 15 point Arial at most, and the cell's edge around it.
TEST_F(Form1Test, TheArrowCrossesTheCellsEdgeAndHidesNeitherValue) {
    form->board.GridSize = 5;
    form->LayoutBoard();
    const std::tuple<int, const ImageBox&, ArrowDirection> cases[] = {
        {14, form->Rght, ArrowDirection::Right},
        {12, form->Lft, ArrowDirection::Left},
        {8, form->Up, ArrowDirection::Up},
        {18, form->Down, ArrowDirection::Down}};
    for (const auto& [receiver, image, direction] : cases) {
        form->ShowMoveArrow(13, receiver);
        const TwipRect glyph = arrow_glyph(image, direction, 500);
        for (const int cell : {13, receiver}) {
            const CellLabel& label = form->CellD[cell];
            EXPECT_TRUE(overlap(glyph, {label.Left, label.Top, 500, 500})) << receiver;
            EXPECT_FALSE(overlap(glyph, {label.Left + 83, label.Top + 143, 334, 214})) << receiver;
        }
    }
}

}  // namespace
}  // namespace kalder::testing
