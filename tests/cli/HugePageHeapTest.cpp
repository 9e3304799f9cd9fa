#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QThread>

#include "cli/CliTestSupport.h"
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

namespace {

// The start addresses of the heap's stretches that are to be backed by huge pages, from a
// process's /proc/PID/smaps.
QList<quint64> hugePageHeapStarts(qint64 pid) {
    QFile smaps(QStringLiteral("/proc/%1/smaps").arg(pid));
    if (!smaps.open(QIODevice::ReadOnly)) return {};
    QList<quint64> starts;
    quint64 heapStart = 0;  // none: no heap starts at 0
    for (const QByteArray &line : smaps.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.first().contains('-') && !fields.first().endsWith(':')) {
            heapStart = 0;
            if (fields.last() == "[heap]")
                heapStart = fields.first().split('-').first().toULongLong(nullptr, 16);
        } else if (heapStart && fields.first() == "VmFlags:" && fields.contains("hg")) {
            starts.append(heapStart);
        }
    }
    return starts;
}

}  // namespace

// Address randomisation starts the heap anywhere; the program moves it to where huge pages
// back all of it, from its first byte.
TEST(HugePageHeapTest, ListingProgramsHeapBeginsOnAHugePageBoundary) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer brings a heap of its own";
#endif
    QFile setting(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"));
    if (!setting.open(QIODevice::ReadOnly) ||
        !HugePageHeap::givenOnlyOnRequest(setting.readAll().toStdString()))
        GTEST_SKIP() << "transparent huge pages are not given on request here";
    QProcess cli;
    // Waits for its paths on standard input, its heap made.
    cli.start(cliProgram(), {QStringLiteral("preview"), QStringLiteral("--suffix"),
                             QStringLiteral("x"), QStringLiteral("--from-stdin")});
    ASSERT_TRUE(cli.waitForStarted());
    QList<quint64> starts;
    for (int attempt = 0; attempt < 200 && starts.isEmpty(); ++attempt) {
        QThread::msleep(25);
        starts = hugePageHeapStarts(cli.processId());
    }
    cli.closeWriteChannel();
    cli.waitForFinished(60000);
    ASSERT_FALSE(starts.isEmpty()) << "no part of the heap asked for huge pages";
    constexpr quint64 hugePage = 2 << 20;
    for (const quint64 start : starts) EXPECT_EQ(start % hugePage, 0u) << std::hex << start;
}
