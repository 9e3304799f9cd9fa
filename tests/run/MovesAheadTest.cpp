#include <gtest/gtest.h>
#include <sched.h>

#include <QDir>
#include <QFile>

#include "platform/FileAttributes.h"
#include "run/MovesAhead.h"
#include "support/TestEnvironment.h"

namespace {

QByteArray native(const QString &path) { return QFile::encodeName(path); }

class MovesAheadTest : public testing::Test {
protected:
    // Files "f<i>" to be moved to "g<i>", all in the test folder.
    void makeFiles(int count) {
        for (int i = 0; i < count; ++i) {
            from.append(native(dir.makeFile(QStringLiteral("f%1").arg(i))));
            to.append(native(dir.filePath(QStringLiteral("g%1").arg(i))));
        }
    }
    bool addAll(MovesAhead &ahead) {
        for (qsizetype i = 0; i < from.size(); ++i)
            if (!ahead.add(from.at(i), to.at(i), folder)) return false;
        return true;
    }
    static bool exists(const QByteArray &path) { return FileAttributes::exists(path); }

    TestDir dir;
    const FileAttributes::FileIdentity folder = FileAttributes::identity(native(dir.path()));
    QList<QByteArray> from;
    QList<QByteArray> to;
};

}  // namespace

TEST_F(MovesAheadTest, MovesAreTakenInOrderAndTheFirstFailureLeavesTheRestToTheRun) {
    makeFiles(300);
    // Someone else's file at the 200th target: that move fails and everything after it stays.
    dir.makeFile("g200", "someone else's");
    cpu_set_t before;
    ASSERT_EQ(sched_getaffinity(0, sizeof before, &before), 0);
    MovesAhead ahead;
    ASSERT_TRUE(addAll(ahead));
    ahead.start();
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(ahead.take(from.at(i), to.at(i))) << i;
        EXPECT_TRUE(exists(to.at(i)) && !exists(from.at(i))) << i;
    }
    EXPECT_FALSE(ahead.take(from.at(200), to.at(200)));
    EXPECT_FALSE(ahead.take(from.at(201), to.at(201)));
    for (int i = 200; i < 300; ++i) EXPECT_TRUE(exists(from.at(i))) << i;
    QFile occupant(dir.filePath("g200"));
    ASSERT_TRUE(occupant.open(QIODevice::ReadOnly));
    EXPECT_EQ(occupant.readAll(), "someone else's");
    ahead.halt();
    EXPECT_TRUE(ahead.untaken().isEmpty());
    // The run's thread is kept off the worker's processor while it waits, no longer.
    cpu_set_t after;
    ASSERT_EQ(sched_getaffinity(0, sizeof after, &after), 0);
    EXPECT_TRUE(CPU_EQUAL(&after, &before));
}

TEST_F(MovesAheadTest, HaltedMovesAreAtMostAWindowAheadAndAllAccountedFor) {
    const qsizetype count = MovesAhead::window + 500;
    makeFiles(int(count));
    MovesAhead ahead;
    ASSERT_TRUE(addAll(ahead));
    ahead.start();
    ASSERT_TRUE(ahead.take(from.at(0), to.at(0)));
    ahead.halt();
    // The moves made are exactly those taken and those the run would have to account for.
    const QList<qsizetype> untaken = ahead.untaken();
    EXPECT_LE(untaken.size(), MovesAhead::window);
    for (qsizetype i = 0; i < untaken.size(); ++i) EXPECT_EQ(untaken.at(i), i + 1);
    const qsizetype made = 1 + untaken.size();
    for (qsizetype i = 0; i < count; ++i) EXPECT_EQ(exists(to.at(i)), i < made) << i;
    // Made ones are still handed out in order; after them the run makes its own moves.
    if (made > 1) {
        EXPECT_TRUE(ahead.take(from.at(1), to.at(1)));
    }
    EXPECT_FALSE(ahead.take(from.at(made), to.at(made)));

    // Another move than the next one halts it at once.
    MovesAhead other;
    from = from.mid(made);
    to = to.mid(made);
    ASSERT_TRUE(addAll(other));
    other.start();
    EXPECT_FALSE(other.take(from.at(1), to.at(1)));
    EXPECT_LE(other.untaken().size(), MovesAhead::window);
}

TEST_F(MovesAheadTest, OnlyMovesWithinTheListedFolderAreTaken) {
    makeFiles(1);
    dir.makeFolder("sub");
    MovesAhead ahead;
    // Into another folder; from a folder that is not the one listed.
    EXPECT_FALSE(ahead.add(from.at(0), native(dir.filePath("sub/g0")), folder));
    EXPECT_FALSE(ahead.add(native(dir.filePath("sub/x")), native(dir.filePath("sub/y")), folder));
    // The listed folder replaced by a symbolic link to another one.
    const QString moved = dir.filePath("moved");
    dir.makeFolder("listed");
    const FileAttributes::FileIdentity listed =
        FileAttributes::identity(native(dir.filePath("listed")));
    ASSERT_TRUE(QDir().rename(dir.filePath("listed"), moved));
    dir.makeFolder("elsewhere");
    ASSERT_TRUE(QFile::link(dir.filePath("elsewhere"), dir.filePath("listed")));
    EXPECT_FALSE(
        ahead.add(native(dir.filePath("listed/a")), native(dir.filePath("listed/b")), listed));
    EXPECT_EQ(ahead.size(), 0);
}
