#include <climits>
#include <set>

#include "form1_fixture.h"

namespace kalder::testing {
namespace {

TEST(RandomIntTest, StaysInOneToNAndReachesEveryValue) {
    Random random(99);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(random.RandomInt(1), 1);
    for (const int n : {0, -7, INT_MIN}) EXPECT_EQ(random.RandomInt(n), 1) << n;
    std::set<int> seen;
    for (int i = 0; i < 600; ++i) {
        const int value = random.RandomInt(6);
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 6);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 6u);
    for (int i = 0; i < 1000; ++i) {
        const int value = random.RandomInt(INT_MAX);
        ASSERT_GE(value, 1);
        ASSERT_LE(value, INT_MAX);
    }
}

TEST(RandomIntTest, TheSameSeedGivesTheSameDraws) {
    Random first(2024);
    Random second(2024);
    Random other(2025);
    int differences = 0;
    for (int i = 0; i < 50; ++i) {
        const int value = first.RandomInt(1000);
        EXPECT_EQ(value, second.RandomInt(1000));
        differences += value != other.RandomInt(1000);
    }
    EXPECT_GT(differences, 0);
}

// Both pauses wait on the one timer: the inner one restarts it, and its tick ends both.
TEST_F(Form1Test, APauseStartedDuringAnotherEndsBothAtTheNextTick) {
    bool inner_returned = false;
    platform.during_wait.push_back([&] {
        form->Pause(200);
        inner_returned = true;
    });
    form->Pause(500);
    EXPECT_TRUE(inner_returned);
    EXPECT_DOUBLE_EQ(platform.clock_seconds, 12 * 3600.0 + 0.2);
}

}  // namespace
}  // namespace kalder::testing
