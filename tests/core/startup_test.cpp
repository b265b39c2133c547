#include "core/appearance/default_scheme.h"
#include "core/base/window_scale.h"
#include "form1_fixture.h"

namespace kalder::testing {
namespace {

// Start-up shows the configured puzzle, else puzzle 1 of the default collection, else a new
// 4 x 4 puzzle, made under the busy pointer; a damaged collection still starts on a puzzle, and
// each damaged line shown is named in a message, after which the window repaints.
TEST_F(Form1Test, StartUpAlwaysFindsAPuzzleToShow) {
    const std::string good = puzzle_line(SampleBody), bad = "00002,12,123\r\n";
    const std::nullopt_t none = std::nullopt;
    // mine.kdr and the default puzzles.kdr (none: no file), the number a configuration naming
    // mine.kdr gives (0: no configuration); the file shown, its size, the number box, and what
    // was asked of the window system.
    const std::tuple<std::optional<std::string>, std::optional<std::string>, int, std::string>
        cases[] = {
            {none, none, 0, "kaldertemp.tmp 4 P# 1 of 1 M~+-"},
            {good + puzzle_line("1234123412341234,"), none, 2, "mine.kdr 4 P# 2 of 2 "},
            {"", good + good, 2, "puzzles.kdr 3 P# 1 of 2 "},
            {good + bad, none, 2, "mine.kdr 3 P# 1 of 2 M~"},
            {bad + bad, none, 2, "kaldertemp.tmp 4 P# 1 of 1 M~M~+-"},
        };
    for (const auto& [mine, fallback, number, shown] : cases) {
        for (const char* name : {"mine.kdr", "puzzles.kdr", "kalder.cfg", "kaldertemp.tmp"})
            std::filesystem::remove(folder.path() / name);
        if (mine) folder.write("mine.kdr", *mine);
        if (fallback) folder.write("puzzles.kdr", *fallback);
        if (number) configure(folder.file("mine.kdr"), number);
        platform.trace.clear();
        restart();
        EXPECT_EQ(form->CollectionPath + " " + std::to_string(form->board.GridSize) + " " +
                      form->PuzNum.Text + " " + platform.trace,
                  folder.slash() + shown);
    }
}

// A message at start-up, before any scheme is read, already shows in the built-in colours.
TEST_F(Form1Test, AMessageBeforeTheSchemeShowsInTheBuiltInLook) {
    folder.write("kalder.cfg", "");
    std::vector<std::pair<Font, Colour>> looks;
    platform.on_message = [&] {
        looks.emplace_back(form->msg_form.font, form->msg_form.background);
    };
    restart();
    EXPECT_EQ(looks,
              (std::vector{std::pair(Font{"Ariel", 9, false, false}, default_colour_table()[2])}));
}

// The board is centred below the top bar, cells row by row; a smaller board hides the cells of
// a larger one. The scores panel and the top bar's buttons and tips have their places.
TEST_F(Form1Test, TheLayoutHoldsForEverySize) {
    for (int n = MaxGridSize; n >= MinGridSize; --n) {
        form->board.GridSize = n;
        form->LayoutBoard();
        const int left = 1668 - 250 * (n - 3), last = left + 500 * (n - 1);
        std::string shown;
        for (int k = 1; k <= MaxCells; ++k) shown += form->CellD[k].Visible ? '+' : '-';
        EXPECT_EQ(
            std::tuple(form->CellD[n].Left, form->CellD[n].Top, form->CellD[n * n].Top, shown),
            std::tuple(last, left + 450, last + 450,
                       std::string(n * n, '+') + std::string(MaxCells - n * n, '-')))
            << n;
    }
    EXPECT_EQ(std::pair(form->Score1.Left, form->Score1.Top), std::pair(700, 650));
    std::string bar;
    for (const BoxControl* b : {&form->arrows[0], &form->arrows[1], &form->arrows[2],
                                &form->cmdreset, &form->cmdcreate, &form->cmdundo})
        bar += std::to_string(b->Left()) + " " + b->Picture() + " " + b->ToolTipText + "|";
    EXPECT_EQ(bar + form->Gsize.ToolTipText,
              "60 previous Previous puzzle, right-click for first puzzle|450 random Random "
              "puzzle|840 next Next puzzle, right-click for last puzzle|3165 reset Reset "
              "Puzzle|3555 create Create New Puzzle, rightclick for options|3945 undo Undo last "
              "move|Grid Size");
}

// Exit saves the place and ends (that No leaves the game running is shown with the help window);
// no other entry opens Options or Scores.
TEST_F(Form1Test, ExitSavesThePlaceAndEnds) {
    configure(collection({puzzle_line(SampleBody), puzzle_line(SampleBody)}), 2);
    restart();
    ASSERT_FALSE(form->Score1.Visible);
    int ended = 0;
    form->EndProgram = [&] { ++ended; };
    folder.write("kalder.cfg", "untouched");
    platform.message_answers = {6};
    for (const char* name : {"mnucan1", "can2", "mnuscores", "mnuexit"}) form->menu_Click(name);
    EXPECT_EQ(std::tuple(ended, folder.read("kalder.cfg").substr(19), platform.messages.back().text,
                         form->Score1.Visible, platform.trace, form->msg_form.title),
              std::tuple(1, "\r\nxp.col\r\n" + folder.file("c.kdr") + "\r\n 2 \r\n", "Exit?", true,
                         "M~", "Kalder"));
}

// The main window: a 326 x 382 pixel client and menu bar that scale, under an 8 x 30 frame.
PixelSize main_window_at(int steps) {
    const double scale = scale_of_steps(steps);
    return {static_cast<int>(326 * scale) + 8, static_cast<int>(382 * scale) + 30};
}

// The largest step within four fifths of the screen, never below the designed size, unless a
// scale is remembered; centred on where it was, moved back onto the screen, and when too big,
// with its title bar in reach.
TEST(WindowScale, OpensAtTheLargestStepThatFitsCentredAndOnTheScreen) {
    const auto fitting = [](int width, int height) {
        const PixelSize room{width, static_cast<int>(height * OpeningHeightShare)};
        return scale_of_steps(fitting_scale_steps(main_window_at, room));
    };
    EXPECT_EQ(std::tuple(fitting(1280, 1000), fitting(640, 440),
                         fitting_scale_steps(main_window_at, {3840, 2100}, 3)),
              std::tuple(2.0, 1.0, 3));
    const PixelSize exact = main_window_at(2);  // a fit to the pixel fits
    for (const PixelSize room :
         {exact, PixelSize{exact.width, 9999}, PixelSize{9999, exact.height}})
        EXPECT_EQ(fitting_scale_steps(main_window_at, room), 2);
    const PixelRect screen{0, 0, 1280, 1000};
    EXPECT_EQ(std::tuple(place_window({400, 300, 400, 400}, {500, 500}, screen),
                         place_window({1000, 700, 200, 200}, {400, 400}, screen),
                         place_window({400, 300, 400, 400}, {1400, 1100}, screen)),
              std::tuple(PixelRect{350, 250, 500, 500}, PixelRect{880, 600, 400, 400},
                         PixelRect{0, 0, 1400, 1100}));
}

// Each secondary window at the game's scale (1 and 2.5) on a 3840 x 2160 screen: Help beside
// the game, right or else left (to the last pixel), smaller down to half the scale where that
// keeps it beside, and where nothing does where it hides the least of the game (right, moved
// onto the screen; below); the others centred over it; a screen too small for the scale shows
// the window smaller, wholly on it.
TEST(WindowScale, SecondaryWindowsOpenAtTheGamesScaleWhollyOnItsScreen) {
    const PixelRect big{0, 0, 3840, 2130}, small{0, 0, 1280, 720};
    const PixelRect game{1500, 600, 830, 960}, game_at_right{2800, 600, 830, 960};
    const PixelSize frame{2, 30};
    const PixelSize help{7185, 5625}, about{6900, 3225}, options{4020, 4080}, message{2535, 1035};
    const struct {
        const char* window;
        PixelSize design;
        double scale;
        Placement placement;
        PixelRect anchor, screen;
        SecondaryGeometry expected;
    } cases[] = {
        {"help", help, 1, Placement::Beside, game, big, {1, {2330, 600, 481, 405}}},
        {"help", help, 2.5, Placement::Beside, game, big, {2.5, {2330, 600, 1200, 968}}},
        {"help", help, 2.5, Placement::Beside, game_at_right, big, {2.5, {1600, 600, 1200, 968}}},
        {"help",
         help,
         2.5,
         Placement::Beside,
         {1200, 600, 2700, 960},
         big,
         {2.5, {0, 600, 1200, 968}}},
        {"help",
         help,
         2.5,
         Placement::Beside,
         {200, 0, 500, 700},
         small,
         {1.84, {397, 0, 883, 720}}},
        {"help", help, 1, Placement::Beside, {100, 0, 1100, 300}, small, {1, {100, 300, 481, 405}}},
        {"help",
         help,
         4.25,
         Placement::Beside,
         {1209, 260, 1385, 1600},
         big,
         {1244 * 15.0 / 7185, {2594, 260, 1246, 1004}}},
        {"about", about, 1, Placement::Centred, game, big, {1, {1684, 958, 462, 245}}},
        {"about", about, 2.5, Placement::Centred, game, big, {2.5, {1339, 796, 1152, 568}}},
        {"options", options, 1, Placement::Centred, game, big, {1, {1780, 929, 270, 302}}},
        {"options", options, 2.5, Placement::Centred, game, big, {2.5, {1579, 725, 672, 710}}},
        {"message", message, 1, Placement::Centred, game, big, {1, {1830, 1031, 171, 99}}},
        {"message", message, 2.5, Placement::Centred, game, big, {2.5, {1703, 979, 425, 203}}},
        {"nothing designed", {0, 0}, 1, Placement::Centred, game, big, {0, {1914, 1065, 2, 30}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(secondary_geometry(c.design, frame, c.scale, c.placement, c.anchor, c.screen),
                  c.expected)
            << c.window << " at " << c.scale;
    }
}

}  // namespace
}  // namespace kalder::testing
