#include <cstdint>
#include <memory>
#include <string>

#include "board_check.h"
#include "core/app/form1.h"
#include "core/files/collection_file.h"
#include "core/files/puzzle_line.h"
#include "fake_platform.h"
#include "fuzz_check.h"
#include "game_folder.h"

namespace {

// One game serves every input: starting one costs more than a walk. A load that takes the file
// replaces all the walk depends on, and the random arrow draws the same numbers every time.
struct Game {
    Game() {
        platform.folder = folder.slash();
        platform.working = folder.slash();
        platform.file_answer = folder.file("fuzz.kdr");
        form = std::make_unique<kalder::Form1>(platform, random);
        form->Form_Load();
    }
    const GameFolder folder;
    kalder::testing::FakePlatform platform;
    kalder::Random random{1};
    std::unique_ptr<kalder::Form1> form;
};

bool loaded(const kalder::testing::FakePlatform& platform) {
    return !platform.messages.empty() && platform.messages.back().text.starts_with("Loaded file:");
}

// Every navigation button, then the number box.
void walk(kalder::Form1& form) {
    const kalder::MouseEvent left{kalder::LeftButton}, right{kalder::RightButton};
    const struct {
        int arrow;
        kalder::MouseEvent event;
    } steps[] = {{2, left}, {0, right}, {0, left},   // next, first, previous round to the last
                 {2, left}, {2, right}, {1, left}};  // next round to the first, last, random
    for (const auto& step : steps) {
        form.arrows_MouseUp(step.arrow, step.event);
        check_board(form);
    }
    form.PuzNum.Text = std::to_string(3);
    form.PuzNum_KeyPress(13);
    check_board(form);
}

}  // namespace

// The bytes as a collection the player loads into a running game and walks through with every
// navigation button and the number box.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Game game;
    kalder::Form1& form = *game.form;
    game.random = kalder::Random(1);
    game.folder.write("fuzz.kdr", std::string(reinterpret_cast<const char*>(data), size));
    form.mnuload_Click();
    check_board(form);
    // Load takes a file whose first line can be shown, and only such a file; a refused one
    // leaves the puzzle before in play, and nothing of this input to walk.
    const bool taken = loaded(game.platform);
    const auto first = kalder::read_collection_line(game.platform.file_answer, 1);
    FUZZ_CHECK(taken == (first && kalder::parse_puzzle_line(*first).ok()));
    if (taken) walk(form);
    // What the game and the platform keep of this input goes with it: libFuzzer looks for a leak
    // whenever an input frees less than it takes. Loading again forgets the damaged lines told.
    if (taken) form.mnuload_Click();
    game.platform.messages = {};
    game.platform.trace = {};
    game.platform.file_requests = {};
    return 0;
}
