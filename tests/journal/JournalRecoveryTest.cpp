#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "journal/JournalRecovery.h"
#include "journal/JournalStore.h"
#include "platform/FileAttributes.h"
#include "platform/NoClobberMove.h"
#include "support/JournalTestSupport.h"
#include "support/NativeTestFiles.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

using namespace JournalTestSupport;
using JournalRecovery::Outcome;

namespace {

class JournalRecoveryTest : public testing::Test {
protected:
    void SetUp() override { removeAllJournals(); }

    void TearDown() override {
        // Names that are no UTF-8 must go before the temporary folder goes.
        for (const QByteArray &name : madeFiles) NativeTestFiles::remove(name);
    }

    QByteArray path(const QByteArray &name) const {
        return QFile::encodeName(dir.path()) + '/' + name;
    }

    // A file whose content is its own name, so that every file can be recognised wherever it is.
    QByteArray file(const QByteArray &name) {
        const QByteArray native = path(name);
        EXPECT_TRUE(NativeTestFiles::makeFile(native, name));
        madeFiles << native;
        return native;
    }

    JournalMove move(const QByteArray &from, const QByteArray &to) {
        madeFiles << path(to);
        return {path(from), path(to)};
    }

    Journal read(const QString &journalPath) {
        Journal journal;
        QString error;
        EXPECT_TRUE(JournalStore::read(journalPath, &journal, &error)) << error;
        return journal;
    }

    std::optional<QString> journalToUndo() {
        QString error;
        const std::optional<QString> chosen = JournalRecovery::journalToUndo(&error);
        EXPECT_TRUE(error.isEmpty()) << error;
        return chosen;
    }

    TestDir dir;
    QList<QByteArray> madeFiles;
};

TEST_F(JournalRecoveryTest, InFlightMoveIsDecidedFromTheDisk) {
    file("moved-to");
    EXPECT_EQ(JournalRecovery::decide(move("moved-from", "moved-to")), Outcome::Happened);
    file("stayed");
    EXPECT_EQ(JournalRecovery::decide(move("stayed", "never-made")), Outcome::NotHappened);
    file("blocked");
    file("blocker");
    EXPECT_EQ(JournalRecovery::decide(move("blocked", "blocker")), Outcome::NotHappened)
        << "moves never replace, so the source is still the item";
    EXPECT_EQ(JournalRecovery::decide(move("vanished", "nowhere")), Outcome::LostTrack);
}

TEST_F(JournalRecoveryTest, UndoRestoresASwapAndACycleInReverseOrder) {
    for (const QByteArray &name : {QByteArray("a"), QByteArray("b"), QByteArray("c\xff")})
        file(name);
    // a <-> b through a move aside, then c -> a2 -> c2 as a run with two steps would.
    const QList<JournalMove> moves{move("a", "a_0"), move("b", "a"), move("a_0", "b"),
                                   move("c\xff", "a2"), move("a2", "c2")};
    const QString run = recordRun(moves);
    ASSERT_EQ(contentOf(path("a")), "b");
    ASSERT_EQ(journalToUndo(), run);

    const JournalRecovery::UndoReport report = JournalRecovery::undo(run);
    EXPECT_TRUE(report.error.isEmpty()) << report.error;
    EXPECT_TRUE(report.isComplete());
    ASSERT_EQ(report.items.size(), moves.size());
    for (qsizetype i = 0; i < moves.size(); ++i) {
        const JournalMove &original = moves[moves.size() - 1 - i];
        EXPECT_EQ(report.items[i].back, (JournalMove{original.to, original.from}));
        EXPECT_TRUE(report.items[i].restored) << report.items[i].reason;
    }
    for (const QByteArray &name : {QByteArray("a"), QByteArray("b"), QByteArray("c\xff")})
        EXPECT_EQ(contentOf(path(name)), name);
    for (const QByteArray &name : {QByteArray("a_0"), QByteArray("a2"), QByteArray("c2")})
        EXPECT_FALSE(exists(path(name)));

    EXPECT_TRUE(read(run).summary.undone);
    EXPECT_EQ(journalToUndo(), std::nullopt) << "an undone run is not undone twice";
    const QStringList journals = JournalStore::journalPaths();
    ASSERT_EQ(journals.size(), 2);
    const Journal undoJournal = read(journals[1]);
    EXPECT_TRUE(undoJournal.summary.isUndo);
    EXPECT_TRUE(undoJournal.summary.closed);
    EXPECT_EQ(undoJournal.done.size(), moves.size());
}

TEST_F(JournalRecoveryTest, UndoSkipsMovesThatWouldReplaceOrInventAnItem) {
    for (const char *name : {"a", "b", "c", "d"}) file(name);
    const QString run = recordRun({move("a", "x"), move("b", "y"), move("c", "z"), move("d", "w")});
    file("a");                                        // a new item took the old name since
    ASSERT_TRUE(NativeTestFiles::remove(path("y")));  // the renamed item is gone
    // Another name of the renamed item itself at the old name: still not free.
    ASSERT_EQ(::link(path("w").constData(), path("d").constData()), 0);

    const JournalRecovery::UndoReport report = JournalRecovery::undo(run);
    EXPECT_TRUE(report.error.isEmpty()) << report.error;
    EXPECT_FALSE(report.isComplete());
    ASSERT_EQ(report.items.size(), 4);
    EXPECT_EQ(report.items[0].reason, QFile::decodeName(path("d")) + " is taken by another item");
    EXPECT_TRUE(report.items[1].restored);
    EXPECT_EQ(report.items[2].reason, QFile::decodeName(path("y")) + " no longer exists");
    EXPECT_EQ(report.items[3].reason, QFile::decodeName(path("a")) + " is taken by another item");
    EXPECT_EQ(contentOf(path("a")), "a") << "the new item is untouched";
    EXPECT_EQ(contentOf(path("x")), "a") << "and the renamed one stays where it is";
    EXPECT_EQ(contentOf(path("c")), "c");
    EXPECT_EQ(contentOf(path("w")), "d");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 5) << "no temporary names";
    EXPECT_TRUE(read(run).summary.undone);
}

TEST_F(JournalRecoveryTest, UndoOfACrashedRunIncludesTheInFlightMoveWhenItHappened) {
    for (const Crash crash : {Crash::BeforeMove, Crash::AfterMove}) {
        removeAllJournals();
        file("a");
        file("b");
        const QString run = recordRun({move("a", "x"), move("b", "y")}, 1, crash);
        ASSERT_EQ(exists(path("y")), crash == Crash::AfterMove);
        ASSERT_EQ(JournalRecovery::openJournals().size(), 1);
        ASSERT_EQ(journalToUndo(), run);

        const JournalRecovery::UndoReport report = JournalRecovery::undo(run);
        EXPECT_TRUE(report.isComplete()) << report.error;
        EXPECT_EQ(report.items.size(), crash == Crash::AfterMove ? 2 : 1);
        EXPECT_EQ(contentOf(path("a")), "a");
        EXPECT_EQ(contentOf(path("b")), "b");
        EXPECT_TRUE(JournalRecovery::openJournals().isEmpty());
        const Journal closed = read(run);
        EXPECT_TRUE(closed.summary.closed && closed.summary.undone);
    }
}

TEST_F(JournalRecoveryTest, LostTrackOfTheInFlightItemIsReportedNotGuessed) {
    file("a");
    file("b");
    const QString run = recordRun({move("a", "x"), move("b", "y")}, 1, Crash::AfterMove);
    ASSERT_TRUE(NativeTestFiles::remove(path("y")));

    const JournalRecovery::UndoReport report = JournalRecovery::undo(run);
    EXPECT_TRUE(report.error.isEmpty()) << report.error;
    ASSERT_EQ(report.items.size(), 2);
    EXPECT_FALSE(report.items[0].restored);
    EXPECT_TRUE(report.items[0].reason.startsWith("lost track of the item moved from"));
    EXPECT_TRUE(report.items[1].restored);
    EXPECT_EQ(contentOf(path("a")), "a");
}

TEST_F(JournalRecoveryTest, InterruptedUndoIsTakenUpWhereItStopped) {
    for (const QByteArray &name : {QByteArray("a"), QByteArray("b"), QByteArray("c")}) file(name);
    const QList<JournalMove> moves{move("a", "x"), move("b", "y"), move("c", "z")};
    const QString run = recordRun(moves);
    // The undo died right after its second move back, before confirming it.
    const QList<JournalMove> back{
        {path("z"), path("c")}, {path("y"), path("b")}, {path("x"), path("a")}};
    {
        QString error;
        auto undo = RunJournal::beginUndo(run, back, &error);
        ASSERT_TRUE(undo) << error;
        for (int i = 0; i < 2; ++i) {
            ASSERT_TRUE(undo->willMove(back[i]));
            ASSERT_TRUE(NoClobberMove::move(back[i].from, back[i].to));
            if (i == 0) {
                ASSERT_TRUE(undo->didMove(back[i]));
            }
        }
    }
    ASSERT_EQ(JournalRecovery::openJournals().size(), 1);
    EXPECT_EQ(journalToUndo(), run) << "an interrupted undo leads to the run it undoes";

    const JournalRecovery::UndoReport report = JournalRecovery::undo(run);
    EXPECT_TRUE(report.isComplete()) << report.error;
    EXPECT_EQ(report.items.size(), 3);
    for (const QByteArray &name : {QByteArray("a"), QByteArray("b"), QByteArray("c")})
        EXPECT_EQ(contentOf(path(name)), name);
    EXPECT_TRUE(JournalRecovery::openJournals().isEmpty());
    EXPECT_TRUE(read(run).summary.undone);
    const QStringList journals = JournalStore::journalPaths();
    ASSERT_EQ(journals.size(), 3) << "the run, the interrupted undo and the one that finished it";
    EXPECT_EQ(read(journals[2]).done, QList<JournalMove>{back[2]});
}

TEST_F(JournalRecoveryTest, FinishMakesTheInFlightMoveOnlyWhenNothingStandsInTheWay) {
    file("a");
    file("b");
    file("taken");
    const QString free = recordRun({move("a", "x")}, 0, Crash::BeforeMove);
    const QString blocked = recordRun({move("b", "taken")}, 0, Crash::BeforeMove);

    JournalRecovery::FinishReport report;
    EXPECT_TRUE(JournalRecovery::finish(free, &report)) << report.problem;
    EXPECT_TRUE(report.completed);
    EXPECT_EQ(report.outcome, Outcome::Happened);
    EXPECT_EQ(contentOf(path("x")), "a");
    EXPECT_EQ(read(free).done.size(), 1);

    report = {};
    EXPECT_TRUE(JournalRecovery::finish(blocked, &report));
    EXPECT_FALSE(report.completed);
    EXPECT_EQ(report.outcome, Outcome::NotHappened);
    EXPECT_EQ(report.problem, QFile::decodeName(path("taken")) + " is taken by another item");
    EXPECT_EQ(contentOf(path("taken")), "taken");
    EXPECT_TRUE(read(blocked).summary.closed);
    EXPECT_TRUE(read(blocked).done.isEmpty());
    EXPECT_FALSE(JournalRecovery::finish(blocked, &report)) << "a closed journal is finished";
}

// A crash of the machine may lose every record the run did not flush: those of planned moves
// made as planned. Recovery finds those moves on the disk by their items' device and inode,
// records them after the moves the journal kept, and the undo brings every item back.
TEST_F(JournalRecoveryTest, PlannedMovesWhoseRecordsWereLostAreFoundOnTheDisk) {
    for (const char *name : {"a", "b", "c", "d", "e", "f", "g", "taken"}) file(name);
    QList<JournalMove> plan{move("a", "a1"),    move("b", "b1"), move("c", "c1"), move("d", "d1"),
                            move("e", "taken"), move("f", "f1"), move("g", "g1")};
    for (JournalMove &planned : plan) {
        const FileAttributes::FileIdentity identity = FileAttributes::identity(planned.from);
        planned.device = identity.device;
        planned.inode = identity.inode;
    }
    QString error;
    auto journal = RunJournal::begin(plan, &error);
    ASSERT_TRUE(journal) << error;
    const QString run = journal->path();
    QList<JournalMove> made;
    qint64 keptLength = 0;
    for (int i = 0; i < 3; ++i) {
        made.append({plan[i].from, plan[i].to});
        ASSERT_TRUE(journal->willMove(made[i]));
        ASSERT_TRUE(NoClobberMove::move(made[i].from, made[i].to));
        ASSERT_TRUE(journal->didMove(made[i]));
        if (i == 0) keptLength = QFileInfo(run).size();
    }
    // d was not reached, e's target is another item's, f was moved away by somebody else, and
    // g's item is at its target too but still at its path (as a new file may get an old
    // file's inode number).
    ASSERT_TRUE(NoClobberMove::move(path("f"), path("elsewhere")));
    ASSERT_EQ(::link(path("g").constData(), path("g1").constData()), 0);
    madeFiles << path("elsewhere");
    journal.reset();
    // The machine crashed with only the plan and the records of the first move on the disk.
    writeAll(run, readAll(run).left(keptLength));

    JournalRecovery::FinishReport report;
    ASSERT_TRUE(JournalRecovery::finish(run, &report)) << report.problem;
    EXPECT_EQ(read(run).done, made);
    const JournalRecovery::UndoReport undone = JournalRecovery::undo(run);
    EXPECT_TRUE(undone.isComplete()) << undone.error;
    for (const char *name : {"a", "b", "c", "d", "e", "g", "taken"})
        EXPECT_EQ(contentOf(path(name)), name);
    EXPECT_EQ(contentOf(path("elsewhere")), "f");
}

TEST_F(JournalRecoveryTest, MovesBackWhoseRecordsWereLostAreFoundOnTheDisk) {
    for (const char *name : {"a", "b", "c"}) file(name);
    const QList<JournalMove> moves{move("a", "x"), move("b", "y"), move("c", "z")};
    const QString run = recordRun(moves);
    QList<JournalMove> back{{path("z"), path("c")}, {path("y"), path("b")}, {path("x"), path("a")}};
    for (JournalMove &planned : back) {
        const FileAttributes::FileIdentity identity = FileAttributes::identity(planned.from);
        planned.device = identity.device;
        planned.inode = identity.inode;
    }
    QString undoPath;
    qint64 keptLength = 0;
    {
        QString error;
        auto undo = RunJournal::beginUndo(run, back, &error);
        ASSERT_TRUE(undo) << error;
        undoPath = undo->path();
        keptLength = QFileInfo(undoPath).size();
        for (int i = 0; i < 2; ++i) {
            const JournalMove step{back[i].from, back[i].to};
            ASSERT_TRUE(undo->willMove(step));
            ASSERT_TRUE(NoClobberMove::move(step.from, step.to));
            ASSERT_TRUE(undo->didMove(step));
        }
    }
    // The machine crashed with only the undo's plan on the disk.
    writeAll(undoPath, readAll(undoPath).left(keptLength));

    const JournalRecovery::UndoReport report = JournalRecovery::undo(run);
    EXPECT_TRUE(report.isComplete()) << report.error;
    for (const char *name : {"a", "b", "c"}) EXPECT_EQ(contentOf(path(name)), name);
    EXPECT_EQ(read(undoPath).done,
              (QList<JournalMove>{{back[0].from, back[0].to}, {back[1].from, back[1].to}}));
    EXPECT_TRUE(read(run).summary.undone);
}

TEST_F(JournalRecoveryTest, NewestUnfinishedRunComesFirstThenClosedRunsNewestFirst) {
    file("a");
    file("b");
    const QString older = recordRun({move("a", "x")});
    const QString empty = recordRun({});
    const QString crashed = recordRun({move("b", "y")}, 0, Crash::AfterMove);
    EXPECT_EQ(JournalRecovery::lastClosedJournal()->path, older) << "a run that moved nothing";
    EXPECT_EQ(journalToUndo(), crashed);
    EXPECT_TRUE(JournalRecovery::undo(crashed).isComplete());
    EXPECT_EQ(journalToUndo(), older);
    EXPECT_TRUE(JournalRecovery::undo(older).isComplete());
    EXPECT_EQ(journalToUndo(), std::nullopt);
    EXPECT_FALSE(JournalRecovery::undo(older).error.isEmpty());
    EXPECT_EQ(contentOf(path("a")), "a");
    EXPECT_EQ(contentOf(path("b")), "b");
    EXPECT_TRUE(exists(QFile::encodeName(empty)));
}

TEST_F(JournalRecoveryTest, ARunThatIsGoingOnOrAJournalThatCannotBeReadStopsTheChoice) {
    file("a");
    const QString done = recordRun({move("a", "x")});
    {
        auto going = RunJournal::begin({}, nullptr);
        ASSERT_TRUE(going);
        EXPECT_TRUE(JournalRecovery::openJournals().isEmpty()) << "its process is alive";
        QString error;
        EXPECT_EQ(JournalRecovery::journalToUndo(&error), std::nullopt);
        EXPECT_TRUE(error.startsWith("a rename run is going on")) << error;
        EXPECT_TRUE(going->end());
    }
    const QString damaged = recordRun({});
    writeAll(damaged, "torvane-journal 1 run\n" + readAll(damaged));
    QString error;
    EXPECT_EQ(JournalRecovery::journalToUndo(&error), std::nullopt);
    EXPECT_EQ(error, "cannot read the run journal " + damaged + ": its header is damaged");
    EXPECT_TRUE(read(done).summary.closed);
    EXPECT_EQ(contentOf(path("x")), "a") << "nothing was moved";
}

}  // namespace
