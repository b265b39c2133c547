#include "form1_fixture.h"

namespace kalder::testing {
namespace {

// The names a screen reader reads follow each cell's value, place, lock and selection as the
// player's clicks change them; a cell off the board has none.
TEST_F(Form1Test, CellNamesFollowValueLockAndSelection) {
    show_body(SampleBody);  // 1 2 1 / 2 2 2 / 3 3 2
    const struct {
        int click;  // 0: none
        int cell;
        const char* name;
    } steps[] = {
        {0, 4, "2, row 2 column 1"},
        {0, 9, "2, row 3 column 3"},
        {0, 10, ""},
        {2, 2, "2, row 1 column 2, giver"},
        {1, 1, "2, row 1 column 1, locked"},
        {0, 2, "1, row 1 column 2"},
        {1, 1, "2, row 1 column 1, locked, giver"},
    };
    for (const auto& step : steps) {
        if (step.click != 0) click(step.click);
        EXPECT_EQ(form->cell_name(step.cell), step.name) << "after clicking " << step.click;
    }
}

}  // namespace
}  // namespace kalder::testing
