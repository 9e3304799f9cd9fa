#include <gtest/gtest.h>
#include <sched.h>

#include <thread>

#include "common/ProcessorAvoidance.h"

namespace {

cpu_set_t processors() {
    cpu_set_t set;
    CPU_ZERO(&set);
    sched_getaffinity(0, sizeof set, &set);
    return set;
}

}  // namespace

TEST(ProcessorAvoidanceTest, KeepsTheThreadOffOneProcessorUntilItEnds) {
    const cpu_set_t all = processors();
    if (CPU_COUNT(&all) < 2) GTEST_SKIP() << "one processor: nowhere else to run";
    const int here = sched_getcpu();
    {
        const ProcessorAvoidance avoidance(here);
        EXPECT_TRUE(avoidance.isActive());
        const cpu_set_t kept = processors();
        EXPECT_FALSE(CPU_ISSET(here, &kept));
        EXPECT_EQ(CPU_COUNT(&kept), CPU_COUNT(&all) - 1);
        EXPECT_NE(sched_getcpu(), here);
    }
    cpu_set_t after = processors();
    EXPECT_TRUE(CPU_EQUAL(&after, &all));

    // Ended on another thread, it gives the processors back to the thread that made it.
    ProcessorAvoidance elsewhere(sched_getcpu());
    std::thread([&] { elsewhere.end(); }).join();
    after = processors();
    EXPECT_TRUE(CPU_EQUAL(&after, &all));

    // A thread that may use that processor alone keeps it; no processor at all changes nothing.
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(here, &one);
    ASSERT_EQ(sched_setaffinity(0, sizeof one, &one), 0);
    EXPECT_FALSE(ProcessorAvoidance(here).isActive());
    EXPECT_FALSE(ProcessorAvoidance(-1).isActive());
    after = processors();
    EXPECT_TRUE(CPU_EQUAL(&after, &one));
    ASSERT_EQ(sched_setaffinity(0, sizeof all, &all), 0);
}
