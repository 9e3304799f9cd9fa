#include <gtest/gtest.h>

#include "cli/HugePageHeap.h"

// The launcher must add the tunable exactly once and keep whatever the user set.
TEST(HugePageHeapTest, TunableIsAddedOnceBesideTheUsersOwn) {
    EXPECT_EQ(HugePageHeap::tunablesWithHugePages(nullptr), std::string("glibc.malloc.hugetlb=1"));
    EXPECT_EQ(HugePageHeap::tunablesWithHugePages(""), std::string("glibc.malloc.hugetlb=1"));
    EXPECT_EQ(HugePageHeap::tunablesWithHugePages("glibc.malloc.check=3"),
              std::string("glibc.malloc.check=3:glibc.malloc.hugetlb=1"));
    // Present already (the user's choice, even "off"): left as it is.
    EXPECT_EQ(HugePageHeap::tunablesWithHugePages("glibc.malloc.hugetlb=1"), std::nullopt);
    EXPECT_EQ(HugePageHeap::tunablesWithHugePages("glibc.malloc.check=3:glibc.malloc.hugetlb=0"),
              std::nullopt);

    EXPECT_TRUE(HugePageHeap::givenOnlyOnRequest("always [madvise] never\n"));
    EXPECT_FALSE(HugePageHeap::givenOnlyOnRequest("[always] madvise never\n"));
    EXPECT_FALSE(HugePageHeap::givenOnlyOnRequest("always madvise [never]\n"));
    EXPECT_FALSE(HugePageHeap::givenOnlyOnRequest(""));
}
