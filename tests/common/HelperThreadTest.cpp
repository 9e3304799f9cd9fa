#include <gtest/gtest.h>
#include <sched.h>

#include <atomic>

#include "common/HelperThread.h"

TEST(HelperThreadTest, StartsBesideItsStarterAndMayThenRunAnywhere) {
    cpu_set_t starterProcessors;
    ASSERT_EQ(sched_getaffinity(0, sizeof starterProcessors, &starterProcessors), 0);
    if (CPU_COUNT(&starterProcessors) < 2) GTEST_SKIP() << "one processor: nowhere to steer to";
    int startedElsewhere = 0;
    for (int attempt = 0; attempt < 10; ++attempt) {
        const int starterProcessor = sched_getcpu();
        int helperProcessor = -1;
        cpu_set_t helperProcessors;
        CPU_ZERO(&helperProcessors);
        HelperThread helper([&] {
            helperProcessor = sched_getcpu();
            sched_getaffinity(0, sizeof helperProcessors, &helperProcessors);
        });
        helper.join();
        // The steering ends once the thread runs: later it may use every processor again.
        EXPECT_TRUE(CPU_EQUAL(&helperProcessors, &starterProcessors));
        if (helperProcessor != starterProcessor) ++startedElsewhere;
    }
    // Either thread may move between the two readings now and then, but not every time.
    EXPECT_GT(startedElsewhere, 0);
}

TEST(HelperThreadTest, JoinsWhenMovedOrDestroyed) {
    std::atomic<int> done{0};
    {
        HelperThread first([&] { ++done; });
        HelperThread second(std::move(first));
        EXPECT_FALSE(first.joinable());
        EXPECT_TRUE(second.joinable());
        second = HelperThread([&] { ++done; });  // joins the work it held first
        EXPECT_GE(done.load(), 1);
    }
    EXPECT_EQ(done.load(), 2);
}
