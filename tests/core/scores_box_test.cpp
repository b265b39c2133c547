#include <gtest/gtest.h>

#include <filesystem>

#include "core/scores/score_codec.h"
#include "core/scores/scores_box.h"
#include "fake_platform.h"
#include "temp_folder.h"

namespace kalder::testing {
namespace {

// Games, won and lost: this session's, then in total.
std::string shown(const ScoresBox& box) {
    std::string text;
    for (const int i : {1, 2, 4}) text += box.session(i) + " ";
    for (const int i : {1, 2, 4}) text += box.total(i) + " ";
    return text;
}

// Each result counts a game and its kind, in the session and in total, and rewrites the file
// dated today. Pieces that are no number count from zero, huge ones stop at the largest count,
// missing ones keep what was shown, other pieces are written back as they read. A new session
// starts from zero; Clear, with either button, asks first.
TEST(ScoresBoxTest, CountsResultsForTheSessionAndInTotalAndClearsOnYes) {
    TempFolder folder;
    FakePlatform platform;
    platform.working = folder.slash();
    const auto plain_file = [&] {
        const std::string encoded = folder.read("kalder.sco");
        EXPECT_EQ(encoded.substr(encoded.size() - 2), "\r\n");
        return DecodeScoreText(encoded.substr(0, encoded.size() - 2));
    };
    const struct {
        std::string file;  // plain, before the session; "" for none
        int won, lost;
        const char* shown;
        std::string saved;
    } cases[] = {
        {"", 0, 0, "0 0 0 0 0 0 ", "05Dec2026 0 0 0 0 0 0 "},
        {"01Jan2026 ab 7x 0 -- ", 0, 1, "1 0 1 1 7x 1 ", "05Dec2026 1 7x 0 1 "},
        {"01Jan2026 5 4", 0, 0, "0 0 0 5 4 8 ", "01Jan2026 5 4"},
        {"01Jan2026 99999999999999999999 " + std::string(400, '9') + " 0 -99999999999999999999 ", 1,
         1, "2 1 1 9223372036854775807 9223372036854775807 -9223372036854775807 ", ""},
        {"01Jan2026 10 7 0 3 ", 2, 1, "3 2 1 13 9 4 ", "05Dec2026 13 9 0 4 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        std::filesystem::remove(folder.path() / "kalder.sco");
        if (!c.file.empty()) folder.write("kalder.sco", EncodeScoreText(c.file) + "\r\n");
        ScoresBox box(platform);
        box.ShowScoreLine("x 8 8 8 8 ");
        box.start();
        for (int i = 0; i < c.won; ++i) box.set_WonSession(i == 0);  // any value counts
        for (int i = 0; i < c.lost; ++i) box.set_LostSession(true);
        EXPECT_EQ(shown(box), c.shown);
        if (!c.saved.empty()) {
            EXPECT_EQ(plain_file(), c.saved);
        }
    }
    ScoresBox restarted(platform);
    restarted.start();
    platform.system_answers = {7, 6};
    restarted.Command2_MouseUp(MouseEvent{RightButton});
    EXPECT_EQ(std::tuple(shown(restarted), restarted.frame_caption()),
              std::tuple("0 0 0 13 9 4 ", "kalder Scores"));
    restarted.Command2_MouseUp(MouseEvent{LeftButton});
    EXPECT_EQ(std::tuple(platform.system_messages, shown(restarted), plain_file()),
              std::tuple(std::vector<std::string>(2, "Clear ALL scores"), "0 0 0 0 0 0 ",
                         "05Dec2026 0 0 0 0 0 "));
}

}  // namespace
}  // namespace kalder::testing
