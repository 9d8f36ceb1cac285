#include "PerformanceTimer.h"

#include <gtest/gtest.h>

#include <memory>

using namespace drev;

namespace {

TEST(PerformanceTimerTest, ReadingsStartNearZeroAndNeverDecrease) {
    std::unique_ptr<Timer> timer(CreateTimer());
    ASSERT_NE(timer, nullptr);
    long double first = timer->Elapsed();
    EXPECT_GE(first, 0.0L);
    EXPECT_LT(first, 0.05L);
    long double previous = first;
    for (int i = 0; i < 1000; ++i) {
        long double now = timer->Elapsed();
        EXPECT_GE(now, previous);
        previous = now;
    }
}

TEST(PerformanceTimerTest, RestartMovesTheStartPoint) {
    PerformanceTimer timer;
    while (timer.Elapsed() < 0.002L) {
    }
    timer.Restart();
    EXPECT_LT(timer.Elapsed(), 0.002L);
}

} // namespace
