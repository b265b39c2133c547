#include <cstdint>
#include <filesystem>
#include <string>

#include "core/app/form1.h"
#include "core/files/collection_file.h"
#include "core/files/puzzle_line.h"
#include "fake_platform.h"
#include "fuzz_check.h"
#include "temp_folder.h"
#include "xp_scheme_block.h"

namespace {

using kalder::Form1;

// Whatever the file held, the board shows at most its N x N cells, each one digit.
void check_board(const Form1& form) {
    FUZZ_CHECK(form.board.GridSize >= 3 && form.board.GridSize <= 9);
    FUZZ_CHECK(form.board.CellCount == form.board.GridSize * form.board.GridSize);
    for (std::size_t k = 1; k < form.CellD.size(); ++k) {
        const auto& cell = form.CellD[k];
        if (!cell.Visible || cell.Caption.empty()) continue;
        FUZZ_CHECK(static_cast<int>(k) <= form.board.CellCount);
        FUZZ_CHECK(cell.Caption.size() == 1 && cell.Caption[0] >= '0' && cell.Caption[0] <= '9');
    }
}

}  // namespace

// The bytes as the collection named by the configuration: start-up shows it, then the player
// walks through it with every navigation button and the number box.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kalder::testing::TempFolder folder(kalder::testing::memory_folder());
    // The scheme named is there, so a start is as quiet as a player's: the message box has its
    // own harness.
    static const bool quiet = (folder.write("all.col", kalder::testing::XpSchemeBlock), true);
    FUZZ_CHECK(quiet);
    // Nothing the input before left may count: its kept place would win over the configured
    // puzzle (the check after start-up would tell), its scores and created puzzle would carry
    // over.
    for (const char* left : {"kalder.kpl", "kalder.sco", "kaldertemp.tmp"}) {
        std::filesystem::remove(folder.path() / left);
    }
    const std::string collection = folder.file("fuzz.kdr");
    folder.write("fuzz.kdr", std::string(reinterpret_cast<const char*>(data), size));
    folder.write("kalder.cfg",
                 "12-05-2026 14:02:31\r\nxp.col\r\n" + folder.file("fuzz.kdr") + "\r\n 2 \r\n");
    kalder::testing::FakePlatform platform;
    platform.folder = folder.slash();
    platform.working = folder.slash();
    kalder::Random random(1);
    Form1 form(platform, random);
    form.Form_Load();
    check_board(form);
    const auto second = kalder::read_collection_line(collection, 2);
    FUZZ_CHECK(!second || !kalder::parse_puzzle_line(*second).ok() ||
               (form.CollectionPath == collection && form.PuzzleNumber == 2));
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
    form.PuzNum.Text = "3";
    form.PuzNum_KeyPress(13);
    check_board(form);
    return 0;
}
