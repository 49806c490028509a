#include "picker/timer.h"

#include <gtest/gtest.h>

#include "support/test_window.h"

namespace pixlin {
namespace {

// A timer the system refused must not report itself running: the picker would look live and never sample.
TEST(Timer, ReportsOnlyWhatTheSystemStarted) {
    const testing::TestWindow live;
    HWND dead = nullptr;
    {
        const testing::TestWindow gone;
        dead = gone.get();
    }
    const struct {
        bool ownerAlive;
        bool started;
    } rows[] = {{true, true}, {false, false}};
    for (const auto& row : rows) {
        Timer timer(row.ownerAlive ? live.get() : dead, 7);
        timer.SetInterval(10);
        EXPECT_EQ(timer.SetEnabled(true), row.started);
        EXPECT_EQ(timer.Enabled(), row.started);
        EXPECT_TRUE(timer.SetEnabled(false));
        EXPECT_FALSE(timer.Enabled());
    }
}

}  // namespace
}  // namespace pixlin
