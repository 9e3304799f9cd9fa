#include <gtest/gtest.h>

#include "cli/HugePageHeap.h"

// The launcher must add each tunable exactly once and keep whatever the user set.
TEST(HugePageHeapTest, TunablesAreAddedOnceBesideTheUsersOwn) {
    const std::string heap = "glibc.malloc.mmap_threshold=33554432:glibc.malloc.top_pad=33554432";
    const std::string all = "glibc.malloc.hugetlb=1:glibc.malloc.arena_max=1:" + heap;
    EXPECT_EQ(HugePageHeap::tunablesForListing(nullptr, true), all);
    EXPECT_EQ(HugePageHeap::tunablesForListing("", true), all);
    EXPECT_EQ(HugePageHeap::tunablesForListing(nullptr, false), heap);
    EXPECT_EQ(HugePageHeap::tunablesForListing("glibc.malloc.check=3", true),
              "glibc.malloc.check=3:" + all);
    // Present already (the user's choice, even "off"): left as it is, the others added.
    EXPECT_EQ(HugePageHeap::tunablesForListing("glibc.malloc.hugetlb=0", true),
              "glibc.malloc.hugetlb=0:glibc.malloc.arena_max=1:" + heap);
    EXPECT_EQ(HugePageHeap::tunablesForListing("glibc.malloc.top_pad=0", false),
              "glibc.malloc.top_pad=0:glibc.malloc.mmap_threshold=33554432");
    EXPECT_EQ(HugePageHeap::tunablesForListing(all.c_str(), true), std::nullopt);

    EXPECT_TRUE(HugePageHeap::givenOnlyOnRequest("always [madvise] never\n"));
    EXPECT_FALSE(HugePageHeap::givenOnlyOnRequest("[always] madvise never\n"));
    EXPECT_FALSE(HugePageHeap::givenOnlyOnRequest("always madvise [never]\n"));
    EXPECT_FALSE(HugePageHeap::givenOnlyOnRequest(""));
}
