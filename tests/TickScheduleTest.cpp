#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "countdown/TickSchedule.h"

namespace quellar {
namespace {

// A timer that fires each armed delay late by 0 to 30 ms, as a busy message
// queue does; the schedule must not let that lateness add up.
TEST(TickSchedule, NoDriftOverADayOfTicks) {
    std::mt19937 random(86400);
    std::uniform_int_distribution<int> lateness(0, 30);
    TickSchedule schedule;
    const std::int64_t start = 5'000'000;
    std::int64_t now = start;
    std::int64_t delay = schedule.Start(now, 1000);
    std::int64_t worst = 0;
    for (std::int64_t k = 1; k <= 86400; ++k) {
        now += delay + lateness(random);
        const std::int64_t error = now - (start + k * 1000);
        if (error > worst) worst = error;
        delay = schedule.Tick(now);
    }
    EXPECT_LE(worst, 30) << "the k-th tick comes k seconds after the start";
    EXPECT_GE(worst, 0);
}

TEST(TickSchedule, EarlyTicksAreNotMadeUpEither) {
    TickSchedule schedule;
    std::int64_t now = 0;
    std::int64_t delay = schedule.Start(now, 1000);
    for (std::int64_t k = 1; k <= 1000; ++k) {
        now += delay - (k % 3);  // sometimes a little early
        EXPECT_LE(std::abs(now - k * 1000), 2) << k;
        delay = schedule.Tick(now);
    }
}

TEST(TickSchedule, ATickMoreThanASecondLateRestartsTheSchedule) {
    TickSchedule schedule;
    EXPECT_EQ(schedule.Start(0, 1000), 1000);
    EXPECT_EQ(schedule.Tick(1000), 1000);
    EXPECT_EQ(schedule.Tick(2400), 600) << "400 ms late: keep to the schedule";
    // The machine slept: this tick was due at 3000 and comes at 9500.
    EXPECT_EQ(schedule.Tick(9500), 1000) << "no rush through the missed seconds";
    EXPECT_EQ(schedule.Tick(10500), 1000);
    EXPECT_EQ(schedule.Tick(11600), 900);
}

TEST(TickSchedule, DelayIsNeverZero) {
    TickSchedule schedule;
    schedule.Start(0, 1000);
    EXPECT_EQ(schedule.Tick(1999), 1) << "almost a period late: the next is due at once";
    EXPECT_GE(schedule.Tick(2000), 1);
}

}  // namespace
}  // namespace quellar
