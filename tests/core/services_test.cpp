#include <climits>
#include <set>

#include "form1_fixture.h"

namespace kalder::testing {
namespace {

// A draw lies in 1 .. n (1 for any n below 2), reaches every value, and a seed always gives
// the same draws.
TEST(RandomIntTest, StaysInOneToNAndFollowsTheSeed) {
    Random random(99), other(100);
    for (const int n : {1, 0, -7, INT_MIN}) EXPECT_EQ(random.RandomInt(n), 1) << n;
    std::set<int> seen;
    int differences = 0;
    for (int i = 0; i < 600; ++i) {
        const int value = random.RandomInt(6);
        ASSERT_TRUE(value >= 1 && value <= 6) << value;
        seen.insert(value);
        ASSERT_GE(random.RandomInt(INT_MAX), 1);
    }
    EXPECT_EQ(seen.size(), 6u);
    Random first(2024), second(2024);
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
