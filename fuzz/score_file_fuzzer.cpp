#include <cstdint>
#include <string>

#include "core/files/score_codec.h"
#include "core/scores/scores_box.h"
#include "fake_platform.h"
#include "fuzz_check.h"
#include "temp_folder.h"

// The bytes as a score file: read at start, then a counted result rewrites it. Whatever the
// file held, the line written back must decode to the totals shown.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kalder::testing::TempFolder folder(kalder::testing::memory_folder());
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(kalder::DecodeScoreText(kalder::EncodeScoreText(bytes)) == bytes);

    kalder::testing::FakePlatform platform;
    platform.working = folder.slash();
    folder.write("kalder.sco", bytes);
    kalder::ScoresBox scores(platform);
    scores.start();
    scores.set_WonSession(true);
    std::string written = folder.read("kalder.sco");
    FUZZ_CHECK(written.size() >= 2 && written.substr(written.size() - 2) == "\r\n");
    written.resize(written.size() - 2);
    std::string totals;
    for (int i = 1; i <= 4; ++i) totals += " " + scores.total(i);
    const std::string plain = kalder::DecodeScoreText(written);
    FUZZ_CHECK(plain.substr(plain.find(' ')) == totals + " ");
    return 0;
}
