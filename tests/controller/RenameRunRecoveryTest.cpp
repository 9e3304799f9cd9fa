// Step journalling of rename runs (each half of a change of letter case, occupants sent to
// the Trash), recovery from a crash at every step, and the offer to finish or undo an
// interrupted run.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QUuid>

#include "RenameRunFixture.h"
#include "journal/JournalRecovery.h"
#include "journal/JournalStore.h"
#include "journal/RunJournal.h"
#include "platform/NoClobberMove.h"
#include "platform/Trash.h"
#include "run/ItemMover.h"
#include "run/UnfinishedRunOffer.h"
#include "support/FaultyDisk.h"
#include "support/JournalTestSupport.h"

namespace {

// Stands in for the process dying at a step.
struct Crash {};

const char *phaseName(DiskInterface::StepPhase phase) {
    switch (phase) {
        case DiskInterface::StepPhase::Announced:
            return "announced";
        case DiskInterface::StepPhase::Made:
            return "made";
        case DiskInterface::StepPhase::Recorded:
            break;
    }
    return "recorded";
}

bool isTemporaryName(const QString &name) { return name.startsWith("com.quorlix.tvt "); }

class RenameRunRecoveryTest : public RenameRunFixture {
protected:
    FaultyDisk disk;

    void SetUp() override {
        RenameRunFixture::SetUp();
        JournalTestSupport::removeAllJournals();
    }

    // Lists the files (each holding "content of <name>") in a new folder and renames them
    // with the steps (disk.onStep, when set, sees each step); with crashAt = (n, phase) the process
    // "dies" at the n-th step (1 = the first) in that phase. Answers the folder.
    QString run(const QString &folder, const QStringList &names, const QList<ZKRenamerPtr> &steps,
                int crashAtStep = 0,
                DiskInterface::StepPhase phase = DiskInterface::StepPhase::Announced) {
        controller = std::make_unique<ZKRenamingController>(&ui);
        ui.watch(*controller);
        controller->setHasFinishedLaunching(true);
        controller->generalSettings().confirmBeforeRenaming = false;
        controller->setScanClock([this] { return clock += 100; });
        QStringList paths;
        for (const QString &name : names)
            paths << dir.makeFile(folder + '/' + name, contentOf(name));
        // The files themselves: an unlisted occupant stays foreign to the run.
        EXPECT_TRUE(controller->populateWithPaths(paths, false, false));
        useSteps(steps);
        int reached = 0;
        controller->setDiskInterface(disk);
        // A hook the test set sees every step too.
        const auto testHook = disk.onStep;
        disk.onStep = [&](const QByteArray &source, const QByteArray &target,
                          DiskInterface::StepPhase now) {
            if (testHook) testHook(source, target, now);
            if (now == DiskInterface::StepPhase::Announced) ++reached;
            if (reached == crashAtStep && now == phase) throw Crash();
        };
        bool crashed = false;
        try {
            controller->rename(false);
        } catch (const Crash &) {
            crashed = true;
        }
        disk.onStep = {};
        // The "dead" process's controller is gone with it.
        if (crashed) controller = std::make_unique<ZKRenamingController>(&ui);
        EXPECT_EQ(crashed, crashAtStep > 0);
        return dir.filePath(folder);
    }

    static QString newestJournal() { return JournalStore::journalPaths().last(); }

    static Journal read(const QString &path) {
        Journal journal;
        QString error;
        EXPECT_TRUE(JournalStore::read(path, &journal, &error)) << error.toStdString();
        return journal;
    }

    // Every file of `names` is there once, under its old or its new name (upper-case "x"),
    // and no temporary name is left.
    static void expectEveryFileOnceUnderAKnownName(const QString &folder, const QStringList &names,
                                                   const std::string &where) {
        const QMap<QString, QByteArray> files = filesUnder(folder);
        EXPECT_EQ(files.size(), names.size()) << where;
        for (const QString &name : names) {
            QString newName = name;
            newName[0] = 'X';
            const bool atOld = files.value(name) == contentOf(name);
            const bool atNew = files.value(newName) == contentOf(name);
            EXPECT_TRUE(atOld != atNew) << where << ": " << name.toStdString();
        }
        for (const QString &name : files.keys())
            EXPECT_FALSE(isTemporaryName(name)) << where << ": " << name.toStdString();
    }

    static void expectOriginalNames(const QString &folder, const QStringList &names,
                                    const std::string &where) {
        QMap<QString, QByteArray> expected;
        for (const QString &name : names) expected.insert(name, contentOf(name));
        EXPECT_EQ(filesUnder(folder), expected) << where;
    }

    const QStringList caseNames{"x1.txt", "x2.txt", "x3.txt"};
    const QList<ZKRenamerPtr> upperX{findAndReplace("x", "X")};
};

TEST_F(RenameRunRecoveryTest, ChangeOfLetterCaseIsJournalledStepByStep) {
    const QString folder = run("case", {"x1.txt"}, upperX);
    expectEveryFileOnceUnderAKnownName(folder, {"x1.txt"}, "after the run");
    EXPECT_TRUE(QFile::exists(folder + "/X1.txt"));
    const Journal journal = read(newestJournal());
    const QByteArray from = QFile::encodeName(folder + "/x1.txt");
    const QByteArray to = QFile::encodeName(folder + "/X1.txt");
    ASSERT_EQ(journal.planned.size(), 1);
    EXPECT_EQ(journal.planned[0].from, from);
    EXPECT_EQ(journal.planned[0].to, to);
    EXPECT_NE(journal.planned[0].inode, 0u) << "the item is known again by its identity";
    ASSERT_EQ(journal.done.size(), 2);
    EXPECT_EQ(journal.done[0].from, from);
    EXPECT_TRUE(isTemporaryName(QFileInfo(QFile::decodeName(journal.done[0].to)).fileName()));
    EXPECT_EQ(journal.done[0].finalTarget, to);
    EXPECT_EQ(journal.done[1], (JournalMove{journal.done[0].to, to}));
    EXPECT_EQ(journal.summary.version, 4);

    // The last run is undone from its journal, step by step.
    const JournalRecovery::UndoReport undo = JournalRecovery::undo(newestJournal());
    EXPECT_TRUE(undo.isComplete()) << undo.error.toStdString();
    expectOriginalNames(folder, {"x1.txt"}, "after the undo");
}

// Each of the six steps of three changes of letter case, in each of its three phases: the
// process dies there; finishing leaves every file once under its old or new name (never a
// temporary one), and undoing (after finishing, or straight away) brings back every name.
TEST_F(RenameRunRecoveryTest, CrashAtAnyStepOfAChangeOfCaseIsFinishedAndUndone) {
    int scenario = 0;
    for (int step = 1; step <= 6; ++step) {
        for (const DiskInterface::StepPhase phase :
             {DiskInterface::StepPhase::Announced, DiskInterface::StepPhase::Made,
              DiskInterface::StepPhase::Recorded}) {
            for (const bool finishFirst : {true, false}) {
                const std::string where = "step " + std::to_string(step) + " " + phaseName(phase) +
                                          (finishFirst ? ", finished" : ", undone");
                JournalTestSupport::removeAllJournals();
                const QString folder =
                    run(QString("s%1").arg(++scenario), caseNames, upperX, step, phase);
                const QList<JournalSummary> open = JournalRecovery::openJournals();
                ASSERT_EQ(open.size(), 1) << where;
                const QString journal = open.first().path;
                if (finishFirst) {
                    JournalRecovery::FinishReport report;
                    EXPECT_TRUE(JournalRecovery::finish(journal, &report)) << where;
                    EXPECT_TRUE(report.problem.isEmpty())
                        << where << ": " << report.problem.toStdString();
                    expectEveryFileOnceUnderAKnownName(folder, caseNames, where);
                    EXPECT_TRUE(JournalRecovery::openJournals().isEmpty()) << where;
                }
                const JournalRecovery::UndoReport undo = JournalRecovery::undo(journal);
                EXPECT_TRUE(undo.isComplete()) << where << ": " << undo.error.toStdString();
                expectOriginalNames(folder, caseNames, where);
                if (HasFailure()) return;
            }
        }
    }
}

TEST_F(RenameRunRecoveryTest, CrashBetweenTheTwoHalvesLeavesTheItemForRecoveryNotLost) {
    // Dies right after the first half: the item is under its temporary name.
    const QString folder =
        run("between", {"x1.txt"}, upperX, 1, DiskInterface::StepPhase::Recorded);
    const QStringList left = QDir(folder).entryList(QDir::Files);
    ASSERT_EQ(left.size(), 1);
    EXPECT_TRUE(isTemporaryName(left.first()));
    const QString journal = JournalRecovery::openJournals().value(0).path;
    const Journal crashed = read(journal);
    ASSERT_EQ(crashed.done.size(), 1);
    EXPECT_FALSE(crashed.inFlight);

    JournalRecovery::FinishReport report;
    ASSERT_TRUE(JournalRecovery::finish(journal, &report)) << report.problem.toStdString();
    ASSERT_TRUE(report.movedOn);
    EXPECT_EQ(report.movedOn->to, QFile::encodeName(folder + "/X1.txt"));
    EXPECT_EQ(filesUnder(folder), (QMap<QString, QByteArray>{{"X1.txt", contentOf("x1.txt")}}));
    EXPECT_EQ(UnfinishedRunOffer::plannedMovesMade(read(journal)), 1);
}

// A journal that can no longer be written stops every move before it is made, and tells so
// once; the item keeps its name.
TEST_F(RenameRunRecoveryTest, NothingMovesOnceTheJournalCannotBeWritten) {
    const QString source = dir.makeFile("x1.txt", contentOf("x1.txt"));
    const QString plain = dir.makeFile("p.txt", contentOf("p.txt"));
    rememberContents();
    auto journal = RunJournal::begin({}, nullptr);
    ASSERT_TRUE(journal);
    ASSERT_TRUE(journal->end());  // a closed journal refuses every record
    ItemMover mover(&ui);
    mover.setJournal(journal.get());
    bool cancel = false;
    EXPECT_FALSE(mover.moveToPath(QFile::encodeName(source),
                                  QFile::encodeName(dir.filePath("X1.txt")), QString(), &cancel));
    EXPECT_TRUE(cancel);
    EXPECT_TRUE(mover.journalFailed());
    cancel = false;
    EXPECT_FALSE(mover.moveToPath(QFile::encodeName(plain),
                                  QFile::encodeName(dir.filePath("q.txt")), QString(), &cancel));
    EXPECT_TRUE(cancel);
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts[0].buttons, QStringList{"Stop"});
    EXPECT_TRUE(ui.alerts[0].informativeText.contains("The journal of this run cannot be written"));
    EXPECT_FALSE(ui.alerts[0].informativeText.contains("temporary"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"p.txt", "x1.txt"}));
    expectContentsKept();
}

// A file someone else puts at a later item's new name during the run (after the folder was
// read for the plan) is asked about like any occupant: skipped, it stays as it is, and the
// run goes on with the rest.
TEST_F(RenameRunRecoveryTest, ItemArrivingAtALaterTargetDuringTheRunIsAskedAbout) {
    QStringList names;
    for (int i = 1; i <= 20; ++i) names << QString("x%1.txt").arg(i, 2, 10, QChar('0'));
    const QString newcomer = dir.filePath("arrival/y05.txt");
    disk.onStep = [&](const QByteArray &, const QByteArray &, DiskInterface::StepPhase now) {
        if (now != DiskInterface::StepPhase::Made || QFile::exists(newcomer)) return;
        QFile file(newcomer);
        if (file.open(QIODevice::WriteOnly)) file.write("newcomer");
    };
    ui.answers = {{2, false}};  // "Skip"
    const QString folder = run("arrival", names, {findAndReplace("x", "y")});
    EXPECT_EQ(alertMessages(), QStringList{"\"y05.txt\" Already Exists"});
    QMap<QString, QByteArray> expected;
    for (const QString &name : names) expected.insert('y' + name.mid(1), contentOf(name));
    expected.insert("x05.txt", contentOf("x05.txt"));
    expected.insert("y05.txt", "newcomer");
    EXPECT_EQ(filesUnder(folder), expected);
    EXPECT_TRUE(read(newestJournal()).summary.closed);
}

class ReplaceTest : public RenameRunRecoveryTest {
protected:
    // "src-<id>.txt" is listed and renamed to "dst-<id>.txt", which an unlisted file holds; the
    // user answers "Replace". Unique names keep the shared test Trash apart between tests.
    QString replaceRun(int crashAtStep = 0,
                       DiskInterface::StepPhase phase = DiskInterface::StepPhase::Announced) {
        id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        source = "src-" + id + ".txt";
        occupant = "dst-" + id + ".txt";
        dir.makeFile("replace/" + occupant, "occupant");
        ui.answers = {{0, false}};  // "Replace"
        return run("replace", {source}, {findAndReplace("src-", "dst-")}, crashAtStep, phase);
    }

    QString trashEntry() const {
        return qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/files/" + occupant;
    }
    QString trashInfo() const {
        return qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/info/" + occupant + ".trashinfo";
    }

    // The test folder and the occupant's entry in the Trash together: nothing lost or
    // duplicated.
    QList<QByteArray> contentsWithTrash(const QString &folder) const {
        QList<QByteArray> contents = filesUnder(folder).values();
        QFile entry(trashEntry());
        if (entry.open(QIODevice::ReadOnly)) contents << entry.readAll();
        std::sort(contents.begin(), contents.end());
        return contents;
    }

    void expectOccupantBack(const QString &folder, const std::string &where) {
        EXPECT_EQ(filesUnder(folder),
                  (QMap<QString, QByteArray>{{source, contentOf(source)}, {occupant, "occupant"}}))
            << where;
        EXPECT_FALSE(QFile::exists(trashEntry())) << where;
        EXPECT_FALSE(QFile::exists(trashInfo())) << where;
    }

    QString id, source, occupant;
};

TEST_F(ReplaceTest, UndoBringsTheReplacedOccupantBackFromTheTrash) {
    const QString folder = replaceRun();
    const QList<QByteArray> before{"content of " + source.toUtf8(), "occupant"};
    EXPECT_EQ(alertMessages(), QStringList{"\"" + occupant + "\" Already Exists"});
    EXPECT_EQ(filesUnder(folder), (QMap<QString, QByteArray>{{occupant, contentOf(source)}}));
    EXPECT_EQ(contentsWithTrash(folder), before);
    const Journal journal = read(newestJournal());
    ASSERT_EQ(journal.done.size(), 2);
    EXPECT_EQ(journal.done[0].kind, JournalMove::Kind::Trash);
    EXPECT_EQ(journal.done[0].from, QFile::encodeName(folder + '/' + occupant));
    EXPECT_EQ(journal.done[0].to, QFile::encodeName(trashEntry()));
    EXPECT_TRUE(Trash::infoNames(journal.done[0].to, journal.done[0].from));

    // The renamed item leaves the occupant's path first, then the occupant comes back.
    const JournalRecovery::UndoReport undo = JournalRecovery::undo(newestJournal());
    EXPECT_TRUE(undo.isComplete()) << undo.error.toStdString();
    ASSERT_EQ(undo.items.size(), 2);
    EXPECT_EQ(undo.items[0].back.kind, JournalMove::Kind::Move);
    EXPECT_EQ(undo.items[1].back.kind, JournalMove::Kind::Restore);
    expectOccupantBack(folder, "after the undo");
    EXPECT_EQ(sortedContentsUnder(folder), before);
}

TEST_F(ReplaceTest, OccupantWhoseWayBackIsTakenStaysInTheTrash) {
    const QString folder = replaceRun();
    // The renamed item cannot go back (its old name is taken again), so it stays on the
    // occupant's path, and the occupant may not come back over it.
    dir.makeFile("replace/" + source, "newcomer");
    const JournalRecovery::UndoReport undo = JournalRecovery::undo(newestJournal());
    EXPECT_FALSE(undo.isComplete());
    ASSERT_EQ(undo.items.size(), 2);
    EXPECT_FALSE(undo.items[0].restored);
    EXPECT_FALSE(undo.items[1].restored);
    EXPECT_EQ(filesUnder(folder),
              (QMap<QString, QByteArray>{{source, "newcomer"}, {occupant, contentOf(source)}}));
    EXPECT_EQ(JournalTestSupport::contentOf(QFile::encodeName(trashEntry())), "occupant");
}

// The process dies around the occupant's way to the Trash, or right after the renamed item
// took its place: undo (after finishing, or straight away) restores both.
TEST_F(ReplaceTest, CrashAroundTheTrashIsUndone) {
    for (const auto &[step, phase] :
         QList<std::pair<int, DiskInterface::StepPhase>>{{1, DiskInterface::StepPhase::Announced},
                                                         {1, DiskInterface::StepPhase::Made},
                                                         {1, DiskInterface::StepPhase::Recorded},
                                                         {2, DiskInterface::StepPhase::Made}}) {
        for (const bool finishFirst : {true, false}) {
            const std::string where = "step " + std::to_string(step) + " " + phaseName(phase) +
                                      (finishFirst ? ", finished" : ", undone");
            JournalTestSupport::removeAllJournals();
            QDir(dir.filePath("replace")).removeRecursively();
            const QString folder = replaceRun(step, phase);
            const QList<QByteArray> before{"content of " + source.toUtf8(), "occupant"};
            EXPECT_EQ(contentsWithTrash(folder), before) << where;
            const QString journal = JournalRecovery::openJournals().value(0).path;
            ASSERT_FALSE(journal.isEmpty()) << where;
            if (finishFirst) {
                JournalRecovery::FinishReport report;
                EXPECT_TRUE(JournalRecovery::finish(journal, &report)) << where;
                EXPECT_FALSE(report.completed) << where;
                EXPECT_EQ(contentsWithTrash(folder), before) << where;
            }
            const JournalRecovery::UndoReport undo = JournalRecovery::undo(journal);
            EXPECT_TRUE(undo.error.isEmpty()) << where << ": " << undo.error.toStdString();
            EXPECT_TRUE(undo.isComplete()) << where;
            expectOccupantBack(folder, where);
            if (HasFailure()) return;
        }
    }
}

class UnfinishedRunOfferTest : public RenameRunRecoveryTest {
protected:
    // Three changes of case, the second cut between its halves.
    QString crashedRun() {
        return run("offer", caseNames, upperX, 3, DiskInterface::StepPhase::Announced);
    }
};

TEST_F(UnfinishedRunOfferTest, NothingIsAskedWithoutAnInterruptedRun) {
    run("clean", caseNames, upperX);
    ui.alerts.clear();
    EXPECT_TRUE(UnfinishedRunOffer::offerToFinishOrUndo(ui).isEmpty());
    EXPECT_TRUE(ui.alerts.isEmpty());
}

TEST_F(UnfinishedRunOfferTest, LaterLeavesEverythingAsItIs) {
    const QString folder = crashedRun();
    const QMap<QString, QByteArray> before = filesUnder(folder);
    ui.alerts.clear();
    ui.answers = {{2, false}};
    const QList<UnfinishedRunOffer::Result> results = UnfinishedRunOffer::offerToFinishOrUndo(ui);
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(results[0].choice, UnfinishedRunOffer::Choice::Later);
    ASSERT_EQ(ui.alerts.size(), 1);
    const ZKAlert &offer = ui.alerts[0];
    EXPECT_EQ(offer.messageText, "A rename run was interrupted");
    EXPECT_TRUE(offer.informativeText.contains("made 1 of its 3 planned renames"))
        << offer.informativeText.toStdString();
    EXPECT_TRUE(offer.informativeText.contains(results[0].journal.path));
    EXPECT_EQ(offer.buttons, QStringList({"Finish Run", "Undo Run", "Later"}));
    EXPECT_EQ(filesUnder(folder), before);
    EXPECT_EQ(JournalRecovery::openJournals().size(), 1) << "offered again next time";
}

TEST_F(UnfinishedRunOfferTest, FinishClosesTheRunWithEveryItemUnderAKnownName) {
    const QString folder = crashedRun();
    ui.alerts.clear();
    ui.answers = {{0, false}, {0, false}};
    const QList<UnfinishedRunOffer::Result> results = UnfinishedRunOffer::offerToFinishOrUndo(ui);
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(results[0].choice, UnfinishedRunOffer::Choice::Finish);
    EXPECT_TRUE(results[0].succeeded) << results[0].report.toStdString();
    ASSERT_EQ(ui.alerts.size(), 2);
    EXPECT_EQ(ui.alerts[1].messageText, "The interrupted rename run is finished");
    EXPECT_EQ(ui.alerts[1].buttons, QStringList{"OK"});
    EXPECT_TRUE(ui.alerts[1].informativeText.startsWith("1 of 3 planned renames were made"))
        << ui.alerts[1].informativeText.toStdString();
    expectEveryFileOnceUnderAKnownName(folder, caseNames, "after finishing");
    EXPECT_TRUE(JournalRecovery::openJournals().isEmpty());
    // The finished run is the last one, for a revert.
    EXPECT_EQ(JournalRecovery::lastClosedJournal()->path, results[0].journal.path);
}

TEST_F(UnfinishedRunOfferTest, UndoTakesEveryItemBack) {
    const QString folder = crashedRun();
    ui.alerts.clear();
    ui.answers = {{1, false}, {0, false}};
    const QList<UnfinishedRunOffer::Result> results = UnfinishedRunOffer::offerToFinishOrUndo(ui);
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(results[0].choice, UnfinishedRunOffer::Choice::Undo);
    EXPECT_TRUE(results[0].succeeded) << results[0].report.toStdString();
    ASSERT_EQ(ui.alerts.size(), 2);
    EXPECT_EQ(ui.alerts[1].messageText, "The interrupted rename run is undone");
    expectOriginalNames(folder, caseNames, "after the undo");
    EXPECT_TRUE(JournalRecovery::openJournals().isEmpty());
    EXPECT_EQ(JournalRecovery::lastClosedJournal(), std::nullopt);
}

TEST_F(UnfinishedRunOfferTest, InterruptedUndoIsOfferedToBeFinished) {
    const QString folder = run("undo", caseNames, upperX);
    const QString runJournal = newestJournal();
    // The undo dies at its second step back.
    const Journal done = read(runJournal);
    QList<JournalMove> back;
    for (auto step = done.done.crbegin(); step != done.done.crend(); ++step)
        back << JournalMove{step->to, step->from};
    {
        auto undo = RunJournal::beginUndo(runJournal, back, nullptr);
        ASSERT_TRUE(undo);
        ASSERT_TRUE(undo->willMove(back[0]));
        ASSERT_TRUE(NoClobberMove::move(back[0].from, back[0].to));
        ASSERT_TRUE(undo->didMove(back[0]));
        ASSERT_TRUE(undo->willMove(back[1]));
    }
    ui.alerts.clear();
    ui.answers = {{0, false}, {0, false}};
    const QList<UnfinishedRunOffer::Result> results = UnfinishedRunOffer::offerToFinishOrUndo(ui);
    ASSERT_EQ(results.size(), 1);
    ASSERT_GE(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts[0].messageText, "An undo of a rename run was interrupted");
    EXPECT_EQ(ui.alerts[0].buttons, QStringList({"Finish Undoing", "Later"}));
    EXPECT_TRUE(results[0].succeeded) << results[0].report.toStdString();
    expectOriginalNames(folder, caseNames, "after finishing the undo");
    EXPECT_TRUE(JournalRecovery::openJournals().isEmpty());
}

}  // namespace
