#include <cstdint>
#include <filesystem>
#include <string>

#include "board_check.h"
#include "core/app/form1.h"
#include "core/files/collection_file.h"
#include "core/files/puzzle_line.h"
#include "fake_platform.h"
#include "fuzz_check.h"
#include "game_folder.h"

// The bytes as the collection the configuration names, which start-up shows: when its line 2
// can be shown, that is the puzzle the game starts on, whatever the rest of the file holds.
// Walking through a collection has its own harness, on a game started once.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const GameFolder folder;
    // Nothing the input before left may count: its kept place would win over the configured
    // puzzle (the check below would tell), its scores and created puzzle would carry over.
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
    kalder::Form1 form(platform, random);
    form.Form_Load();
    check_board(form);
    const auto second = kalder::read_collection_line(collection, 2);
    FUZZ_CHECK(!second || !kalder::parse_puzzle_line(*second).ok() ||
               (form.CollectionPath == collection && form.PuzzleNumber == 2));
    return 0;
}
