#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "core/scores/score_codec.h"
#include "core/scores/scores_box.h"
#include "fake_platform.h"
#include "temp_folder.h"

namespace kalder::testing {
namespace {

class ScoresBoxTest : public ::testing::Test {
  protected:
    ScoresBoxTest() { platform.working = folder.slash(); }
    std::string plain_file() const {
        std::string encoded = folder.read("kalder.sco");
        EXPECT_GE(encoded.size(), 2u);
        EXPECT_EQ(encoded.substr(encoded.size() - 2), "\r\n");
        return DecodeScoreText(encoded.substr(0, encoded.size() - 2));
    }
    void write_plain(const std::string& plain) {
        folder.write("kalder.sco", EncodeScoreText(plain) + "\r\n");
    }
    std::vector<std::string> shown(const ScoresBox& box) const {
        return {box.session(1), box.session(2), box.session(4),
                box.total(1),   box.total(2),   box.total(4)};
    }
    TempFolder folder;
    FakePlatform platform;
};

TEST_F(ScoresBoxTest, FirstStartWritesAFileOfZeros) {
    ScoresBox box(platform);
    box.start();
    EXPECT_EQ(plain_file(), "05Dec2026 0 0 0 0 0 0 ");
    EXPECT_EQ(shown(box), std::vector<std::string>(6, "0"));
    EXPECT_EQ(box.frame_caption(), "kalder Scores");
}

TEST_F(ScoresBoxTest, CountsResultsForTheSessionAndInTotal) {
    write_plain("01Jan2026 10 7 0 3 ");
    ScoresBox box(platform);
    box.start();
    box.set_WonSession(true);
    box.set_WonSession(false);  // any value counts
    box.set_LostSession(true);
    EXPECT_EQ(shown(box), (std::vector<std::string>{"3", "2", "1", "13", "9", "4"}));
    EXPECT_EQ(box.total(3), "0");
    EXPECT_EQ(plain_file(), "05Dec2026 13 9 0 4 ");
    EXPECT_FALSE(box.WonSession());

    ScoresBox restarted(platform);
    restarted.start();
    EXPECT_EQ(shown(restarted), (std::vector<std::string>{"0", "0", "0", "13", "9", "4"}));
}

TEST_F(ScoresBoxTest, ClearAsksFirstWhicheverButton) {
    write_plain("01Jan2026 10 7 0 3 ");
    ScoresBox box(platform);
    box.start();
    box.set_WonSession(true);
    platform.system_answers = {7};
    box.Command2_MouseUp(MouseEvent{RightButton});
    EXPECT_EQ(platform.system_messages, std::vector<std::string>{"Clear ALL scores"});
    EXPECT_EQ(box.total(1), "11");
    platform.system_answers = {6};
    box.Command2_MouseUp(MouseEvent{RightButton});
    EXPECT_EQ(shown(box), std::vector<std::string>(6, "0"));
    EXPECT_EQ(plain_file(), "05Dec2026 0 0 0 0 0 ");
}

TEST_F(ScoresBoxTest, ShortAndGarbageLinesAreShownAsTheyCome) {
    write_plain("01Jan2026 5 4");
    ScoresBox box(platform);
    box.ShowScoreLine("x 8 8 8 8 ");
    box.start();
    EXPECT_EQ(box.total(1), "5");
    EXPECT_EQ(box.total(2), "4");
    EXPECT_EQ(box.total(4), "8") << "a missing piece keeps what was shown";

    folder.write("kalder.sco", "\xff\x01zz garbage that is no hex at all\r\n");
    ScoresBox garbage(platform);
    garbage.start();
    garbage.set_WonSession(true);
    EXPECT_EQ(garbage.session(1), "1");
    const std::string saved = plain_file();
    EXPECT_EQ(saved.substr(0, 10), "05Dec2026 ");
}

TEST_F(ScoresBoxTest, NonNumbersCountFromZero) {
    write_plain("01Jan2026 ab 7x 0 -- ");
    ScoresBox box(platform);
    box.start();
    box.set_LostSession(true);
    EXPECT_EQ(box.total(1), "1");
    EXPECT_EQ(box.total(2), "7x") << "untouched garbage is written back as it reads";
    EXPECT_EQ(box.total(4), "1");
    EXPECT_EQ(plain_file(), "05Dec2026 1 7x 0 1 ");
}

TEST_F(ScoresBoxTest, HugeTotalsStopAtTheLargestCountInsteadOfWrapping) {
    write_plain("01Jan2026 99999999999999999999 " + std::string(400, '9') +
                " 0 -99999999999999999999 ");
    ScoresBox box(platform);
    box.start();
    box.set_WonSession(true);
    box.set_LostSession(true);
    EXPECT_EQ(box.total(1), "9223372036854775807");
    EXPECT_EQ(box.total(2), "9223372036854775807");
    EXPECT_EQ(box.total(4), "-9223372036854775807");
}

TEST_F(ScoresBoxTest, AFailedWriteKeepsTheCountsAndTheOldFileAndIsToldOnce) {
    write_plain("01Jan2026 10 7 0 3 ");
    ScoresBox box(platform);
    box.start();
    std::vector<std::string> told;
    box.on_write_failed = [&](const std::string& path) { told.push_back(path); };
    // A folder in the way of the temporary file makes every rewrite fail.
    std::filesystem::create_directory(folder.path() /
                                      ("kalder.sco.new-" + std::to_string(getpid())));
    box.set_WonSession(true);
    box.set_WonSession(true);
    EXPECT_EQ(box.total(2), "9");
    EXPECT_EQ(plain_file(), "01Jan2026 10 7 0 3 ");
    EXPECT_EQ(told, std::vector<std::string>{folder.file("kalder.sco")});
}

TEST_F(ScoresBoxTest, CloseAsksTheHostToHideThePanel) {
    ScoresBox box(platform);
    box.Visible = true;
    box.on_close = [&] { box.Visible = false; };
    box.Command1_MouseUp(MouseEvent{RightButton});
    EXPECT_FALSE(box.Visible);
}

}  // namespace
}  // namespace kalder::testing
