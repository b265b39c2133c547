#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "core/scores/score_codec.h"
#include "core/scores/scores_box.h"
#include "fake_platform.h"
#include "temp_folder.h"

namespace kalder::testing {
namespace {

// Run by a user who may write the folder but not read the file: root reads everything, so a
// root test run drops to "nobody" in the child process it runs this in.
int count_with_an_unreadable_file(const TempFolder& folder) {
    if (geteuid() == 0 && setuid(65534) != 0) return 2;
    FakePlatform platform;
    platform.working = folder.slash();
    ScoresBox box(platform);
    int told = 0;
    box.on_read_failed = [&](const std::string&) { ++told; };
    box.on_write_failed = [&](const std::string&) { ++told; };
    box.start();
    box.set_WonSession(true);
    box.set_LostSession(true);
    return told == 1 && box.total(1) == "2" && box.total(2) == "1" ? 0 : 1;
}

TEST(ScoreFileUnreadable, IsNeverWrittenOverAndIsToldOnce) {
    TempFolder folder;
    const std::string stored = EncodeScoreText("01Jan2026 1000 900 0 100 ") + "\r\n";
    folder.write("kalder.sco", stored);
    chmod(folder.path().c_str(), 0777);
    chmod(folder.file("kalder.sco").c_str(), 0);
    EXPECT_EXIT(std::exit(count_with_an_unreadable_file(folder)), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(folder.read("kalder.sco"), stored);
}

}  // namespace
}  // namespace kalder::testing
