#include <gtest/gtest.h>
#include <sched.h>

#include "common/ProcessorAvoidance.h"

TEST(ProcessorAvoidanceTest, KeepsTheThreadOffOneProcessorUntilItEnds) {
    cpu_set_t all, now;
    ASSERT_EQ(sched_getaffinity(0, sizeof all, &all), 0);
    if (CPU_COUNT(&all) < 2) GTEST_SKIP() << "one processor: nowhere else to run";
    const int here = sched_getcpu();
    {
        const ProcessorAvoidance avoidance(here);
        sched_getaffinity(0, sizeof now, &now);
        EXPECT_TRUE(avoidance.isActive() && !CPU_ISSET(here, &now));
        EXPECT_EQ(CPU_COUNT(&now), CPU_COUNT(&all) - 1);
        EXPECT_NE(sched_getcpu(), here);
    }
    sched_getaffinity(0, sizeof now, &now);
    EXPECT_TRUE(CPU_EQUAL(&now, &all));

    // A thread that may use that processor alone keeps it.
    CPU_ZERO(&now);
    CPU_SET(here, &now);
    ASSERT_EQ(sched_setaffinity(0, sizeof now, &now), 0);
    EXPECT_FALSE(ProcessorAvoidance(here).isActive());
    ASSERT_EQ(sched_setaffinity(0, sizeof all, &all), 0);
}
