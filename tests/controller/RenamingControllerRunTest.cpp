#include <QDir>

#include "RenameRunFixture.h"
#include "common/LogCapture.h"
#include "journal/JournalRecovery.h"
#include "journal/JournalStore.h"
#include "listing/ZKSortPriorities.h"
#include "run/MovesAhead.h"

class RenamingControllerRunTest : public RenameRunFixture {};

TEST_F(RenamingControllerRunTest, SwapOfTwoNamesMovesOneAsideWithoutAsking) {
    listFilesWithContents({"a.txt", "b.txt"});
    useSteps(swapSteps("a", "b"));
    LogCapture log;
    controller->rename(false);

    EXPECT_TRUE(ui.alerts.isEmpty()) << alertMessages().join(" | ");
    EXPECT_EQ(files(), (QMap<QString, QByteArray>{{"a.txt", contentOf("b.txt")},
                                                  {"b.txt", contentOf("a.txt")}}));
    EXPECT_TRUE(log.contains("avoiding collision: b.txt")) << log.lines().join('\n');
    ASSERT_EQ(ui.notifications.size(), 1);
    EXPECT_EQ(ui.notifications.first(),
              qMakePair(QString("Finished Renaming"), QString("2 files")));

    // The journal holds the planned moves and, in order, the move aside to "<path>_0".
    const QStringList journals = JournalStore::journalPaths();
    ASSERT_FALSE(journals.isEmpty());
    Journal journal;
    QString error;
    ASSERT_TRUE(JournalStore::read(journals.last(), &journal, &error)) << error;
    const QByteArray a = QFile::encodeName(dir.filePath("a.txt"));
    const QByteArray b = QFile::encodeName(dir.filePath("b.txt"));
    QList<JournalMove> planned = journal.planned;
    for (JournalMove &move : planned) {
        EXPECT_NE(move.inode, 0u) << "a planned move knows its item";
        move.device = move.inode = 0;
    }
    EXPECT_EQ(planned, (QList<JournalMove>{{a, b}, {b, a}}));
    EXPECT_EQ(journal.done, (QList<JournalMove>{{b, b + "_0"}, {a, b}, {b + "_0", a}}));
    EXPECT_TRUE(journal.summary.closed);
}

// A long run, its names made in two halves and its moves made ahead on a second thread: every
// file must land under its own new name, and the journal plan every move.
TEST_F(RenamingControllerRunTest, LongRunMovesEveryFileToItsOwnTarget) {
    QStringList names;
    for (int number = 1; number <= 2500; ++number)
        names << QStringLiteral("f%1.txt").arg(number, 4, 10, QLatin1Char('0'));
    listFilesWithContents(names);
    const QVariantMap addSuffix{{"Task", 103}, {"Rename: Insert: String", "-x"}};
    useSteps({ZKRenamer::renamerWithArchive(addSuffix)});
    controller->rename(false);

    QMap<QString, QByteArray> expected;
    for (const QString &name : names)
        expected.insert(QString(name).replace(".txt", "-x.txt"), contentOf(name));
    EXPECT_EQ(files(), expected);
    Journal journal;
    QString error;
    ASSERT_TRUE(JournalStore::read(JournalStore::journalPaths().last(), &journal, &error)) << error;
    ASSERT_EQ(journal.planned.size(), names.size());
    EXPECT_EQ(journal.planned.last().to, QFile::encodeName(dir.filePath("f2500-x.txt")));
}

TEST_F(RenamingControllerRunTest, CyclesEndWithEveryFileOnceUnderItsNewName) {
    // f1 -> f2 -> f3 -> f1.
    listFilesWithContents({"f1.txt", "f2.txt", "f3.txt"}, "three");
    useSteps({findAndReplace("f1", "@"), findAndReplace("f3", "f1"), findAndReplace("f2", "f3"),
              findAndReplace("@", "f2")});
    rememberContents();
    controller->rename(false);
    EXPECT_TRUE(ui.alerts.isEmpty()) << alertMessages().join(" | ");
    EXPECT_EQ(files(), (QMap<QString, QByteArray>{{"three/f1.txt", contentOf("f3.txt")},
                                                  {"three/f2.txt", contentOf("f1.txt")},
                                                  {"three/f3.txt", contentOf("f2.txt")}}));

    // A cycle of a hundred: n000 -> n001 -> ... -> n099 -> n000, one step per name.
    auto name = [](int i) { return QStringLiteral("n%1").arg(i, 3, 10, QLatin1Char('0')); };
    QStringList names;
    for (int i = 0; i < 100; ++i) names.append(name(i) + ".txt");
    listFilesWithContents(names, "hundred");
    rememberContents();
    QList<ZKRenamerPtr> steps{findAndReplace(name(99), "@")};
    for (int i = 98; i >= 0; --i) steps.append(findAndReplace(name(i), name(i + 1)));
    steps.append(findAndReplace("@", name(0)));
    useSteps(steps);
    ASSERT_EQ(controller->renameButtonState().title, "Rename 100 Files");
    controller->rename(false);

    EXPECT_TRUE(ui.alerts.isEmpty()) << alertMessages().join(" | ");
    expectContentsKept();
    const QMap<QString, QByteArray> hundred = filesUnder(dir.filePath("hundred"));
    ASSERT_EQ(hundred.size(), 100);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(hundred.value(name((i + 1) % 100) + ".txt"), contentOf(name(i) + ".txt")) << i;
}

TEST_F(RenamingControllerRunTest, FilesInsideARenamedFolderFollowItBeforeTheirTurn) {
    controller->setRenameFolders(true);
    dir.makeFile("top/dir-one/x-one.txt", contentOf("x"));
    dir.makeFile("top/dir-one/sub-one/y-one.txt", contentOf("y"));
    dir.makeFile("top/dir-one/sub-one/keep.txt", contentOf("keep"));
    rememberContents();
    ASSERT_TRUE(controller->populateWithPaths({dir.filePath("top")}, false, false));
    useSteps({findAndReplace("-one", "-two")});
    // Sorted by name: the folders come before the files inside them.
    ASSERT_EQ(listedNames(),
              QStringList({"dir-one", "keep.txt", "sub-one", "top", "x-one.txt", "y-one.txt"}));
    controller->rename(false);

    EXPECT_TRUE(ui.alerts.isEmpty()) << alertMessages().join(" | ");
    EXPECT_EQ(fileNames(), QStringList({"top/dir-two/sub-two/keep.txt",
                                        "top/dir-two/sub-two/y-two.txt", "top/dir-two/x-two.txt"}));
    expectContentsKept();
    EXPECT_EQ(controller->paths(), QStringList{dir.filePath("top")});
    EXPECT_EQ(listedNames(),
              QStringList({"dir-two", "keep.txt", "sub-two", "top", "x-two.txt", "y-two.txt"}));
    // The rebuilt list keeps the records, with the names they had when they were listed.
    EXPECT_EQ(record("y-two.txt")->originalName(), "y-one.txt");
    EXPECT_EQ(record("keep.txt")->originalPath(), dir.filePath("top/dir-one/sub-one/keep.txt"));

    // The other way round: files first, then the folders that hold them.
    controller->setPrimarySortOrder(ZKSortPriorities::Name);
    ZKSortPriorities descending = controller->sortingPriorities();
    descending.setPrimaryInverted(true);
    controller->setSortingPriorities(descending);
    controller->updateFileList();
    useSteps({findAndReplace("-two", "-three")});
    controller->rename(false);
    EXPECT_TRUE(ui.alerts.isEmpty()) << alertMessages().join(" | ");
    EXPECT_EQ(fileNames(),
              QStringList({"top/dir-three/sub-three/keep.txt",
                           "top/dir-three/sub-three/y-three.txt", "top/dir-three/x-three.txt"}));
    expectContentsKept();
}

TEST_F(RenamingControllerRunTest, ItemMovedAsideGoesBackWhenTheWayWasMadeForNothing) {
    listFilesWithContents({"a.txt", "b.txt"});
    useSteps(swapSteps("a", "b"));
    // "a.txt" vanishes after it was listed: its turn ends the run after "b.txt" made way.
    QFile::remove(dir.filePath("a.txt"));
    LogCapture log;
    controller->rename(false);

    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts.first().messageText, "Cannot rename a.txt");
    EXPECT_TRUE(log.contains("avoiding collision: b.txt"));
    EXPECT_EQ(files(), (QMap<QString, QByteArray>{{"b.txt", contentOf("b.txt")}}));
    EXPECT_EQ(controller->lastRunOutcome(record("b.txt")), RenameOutcome::NotReached);
}

TEST_F(RenamingControllerRunTest, StopInTheMiddleKeepsWhatWasRenamedAndLosesNothing) {
    listFilesWithContents({"f1.txt", "f2.txt", "f3.txt", "f4.txt", "f5.txt"});
    useSteps({suffix("_x")});
    rememberContents();
    ui.buttonStates.clear();
    ui.stopAtPoll = ui.stopPolls + 3;
    ui.answers = {{1, false}};  // "Stop"
    controller->rename(false);

    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts.first().messageText, "Stop?");
    EXPECT_EQ(ui.alerts.first().informativeText,
              "Stopping now will not undo processing steps that have already taken place.");
    EXPECT_EQ(ui.alerts.first().buttons, QStringList({"Continue", "Stop"}));
    EXPECT_EQ(fileNames(), QStringList({"f1_x.txt", "f2_x.txt", "f3.txt", "f4.txt", "f5.txt"}));
    expectContentsKept();
    EXPECT_TRUE(ui.notifications.isEmpty());
    EXPECT_FALSE(controller->isRenaming());
    EXPECT_EQ(controller->lastRunOutcome(record("f1_x.txt")), RenameOutcome::Renamed);
    EXPECT_EQ(controller->lastRunOutcome(record("f3.txt")), RenameOutcome::NotReached);

    // The button: "Stop" from 1 of 6 on, each record's progress, pressed while asking.
    ASSERT_GE(ui.buttonStates.size(), 4);
    const ZKRenameButtonState start = ui.buttonStates.at(0);
    EXPECT_EQ(start.title, "Stop");
    EXPECT_TRUE(start.enabled);
    EXPECT_FALSE(start.highlighted);
    EXPECT_EQ(start.description, "Renaming...");
    EXPECT_DOUBLE_EQ(start.progress, 1.0 / 6);
    EXPECT_EQ(ui.buttonStates.at(1).description, "Renaming f1.txt (1 of 5)");
    EXPECT_DOUBLE_EQ(ui.buttonStates.at(1).progress, 2.0 / 6);
    EXPECT_EQ(ui.buttonStates.at(2).description, "Renaming f2.txt (2 of 5)");
    EXPECT_TRUE(ui.buttonStates.at(3).highlighted);
    // Afterwards the rebuilt list offers the steps again, without "Rename Again": the run
    // did not succeed.
    EXPECT_EQ(ui.lastButtonState().title, "Rename 5 Files");
    EXPECT_EQ(ui.lastButtonState().menuItemTitle, "Rename 5 Files");
}

TEST_F(RenamingControllerRunTest, ContinuingAfterAStopRequestFinishesTheRun) {
    listFilesWithContents({"f1.txt", "f2.txt", "f3.txt"});
    useSteps({suffix("_x")});
    ui.stopAtPoll = ui.stopPolls + 2;
    ui.answers = {{0, false}};  // "Continue"
    controller->rename(false);
    EXPECT_EQ(alertMessages(), QStringList{"Stop?"});
    EXPECT_EQ(fileNames(), QStringList({"f1_x.txt", "f2_x.txt", "f3_x.txt"}));
    EXPECT_EQ(ui.notifications.size(), 1);
}

TEST_F(RenamingControllerRunTest, StopChecksArePacedButTheFirstAndLastAreAlwaysMade) {
    listFilesWithContents({"f1.txt", "f2.txt", "f3.txt", "f4.txt"});
    useSteps({suffix("_x")});
    // A clock that stands still: only the first and the last record are checked.
    controller->setScanClock([] { return qint64(0); });
    const int pollsBefore = ui.stopPolls;
    controller->rename(false);
    EXPECT_EQ(ui.stopPolls - pollsBefore, 2);
    EXPECT_EQ(fileNames().size(), 4);
}

// Runs long enough that their plain renames are made ahead on a second thread, and that a
// stop leaves some of them untouched.
QStringList manyNames() {
    QStringList names;
    for (qsizetype i = 0; i < MovesAhead::window + 300; ++i)
        names << QStringLiteral("f%1.txt").arg(i, 4, 10, QChar('0'));
    return names;
}

QString renamed(const QString &name) { return QString(name).replace(".txt", "_x.txt"); }

TEST_F(RenamingControllerRunTest, StopWhileMovesAreMadeAheadAccountsForEveryMovedFile) {
    listFilesWithContents(manyNames());
    useSteps({suffix("_x")});
    rememberContents();
    ui.stopAtPoll = ui.stopPolls + 3;
    ui.answers = {{1, false}};  // "Stop"
    controller->rename(false);

    EXPECT_EQ(alertMessages(), QStringList{"Stop?"});
    expectContentsKept();
    // Whatever was made ahead of the stop is renamed and reported so; nothing else is.
    int renamedCount = 0;
    const QMap<QString, QByteArray> after = files();
    for (const QString &name : manyNames()) {
        const bool isRenamed = after.contains(renamed(name));
        EXPECT_NE(isRenamed, after.contains(name)) << name.toStdString();
        const ZKFileRepresentationPtr now = record(isRenamed ? renamed(name) : name);
        ASSERT_TRUE(now) << name.toStdString();
        EXPECT_EQ(controller->lastRunOutcome(now),
                  isRenamed ? RenameOutcome::Renamed : RenameOutcome::NotReached)
            << name.toStdString();
        renamedCount += isRenamed;
    }
    EXPECT_GE(renamedCount, 2);
    EXPECT_LT(renamedCount, manyNames().size());
    EXPECT_TRUE(JournalRecovery::openJournals().isEmpty());
}

TEST_F(RenamingControllerRunTest, ForeignFileAtATargetAfterThePlanIsAskedAboutWhenMadeAhead) {
    listFilesWithContents(manyNames());
    useSteps({suffix("_x")});
    // Someone takes a target once the run has read its folder, before the moves.
    ui.onButtonState = [this](const ZKRenameButtonState &state) {
        if (state.description == "Renaming...") dir.makeFile("f0150_x.txt", "someone else's");
    };
    ui.answers = {{2, false}};  // "Skip"
    controller->rename(false);
    ui.onButtonState = nullptr;

    EXPECT_EQ(alertMessages(), QStringList{"\"f0150_x.txt\" Already Exists"});
    const QMap<QString, QByteArray> after = files();
    EXPECT_EQ(after.value("f0150_x.txt"), "someone else's");
    EXPECT_EQ(after.value("f0150.txt"), contentOf("f0150.txt"));
    EXPECT_EQ(controller->lastRunOutcome(record("f0150.txt")), RenameOutcome::Skipped);
    for (const QString &name : manyNames()) {
        if (name == "f0150.txt") continue;
        EXPECT_EQ(after.value(renamed(name)), contentOf(name)) << name.toStdString();
    }
    EXPECT_EQ(after.size(), manyNames().size() + 1);
}

TEST_F(RenamingControllerRunTest, UnlistedOccupantIsAskedAboutAndAnswersDoNotCarryOver) {
    makeFiles({"a.txt", "b.txt"});
    ASSERT_TRUE(controller->populateWithPaths({dir.filePath("a.txt")}, false, false));
    useSteps({findAndReplace("a", "b")});
    rememberContents();
    ui.answers = {{3, false}};  // "Skip All"
    controller->rename(false);

    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts.first().messageText, "\"b.txt\" Already Exists");
    EXPECT_EQ(ui.alerts.first().buttons,
              QStringList({"Replace", "Replace All", "Skip", "Skip All", "Cancel"}));
    expectContentsKept();
    EXPECT_EQ(files().value("a.txt"), contentOf("a.txt"));
    EXPECT_TRUE(ui.notifications.isEmpty());
    EXPECT_EQ(controller->lastRunOutcome(record("a.txt")), RenameOutcome::Skipped);

    // The next run asks again: "Skip All" held for one run only.
    ui.answers = {{2, false}};  // "Skip"
    controller->rename(false);
    EXPECT_EQ(ui.alerts.size(), 2);
    expectContentsKept();
}

TEST_F(RenamingControllerRunTest, ListedFileDifferingOnlyInCaseFromTheTargetIsNotMovedAside) {
    // On a case-sensitive volume "B.txt" (listed, renamed later) is not the "b.txt" in the
    // way: it must not be moved aside, and "b.txt" is asked about like any occupant.
    makeFiles({"a.txt", "b.txt", "B.txt"});
    ASSERT_TRUE(controller->populateWithPaths({dir.filePath("a.txt"), dir.filePath("B.txt")}, false,
                                              false));
    useSteps({findAndReplace("^B", "c", true), findAndReplace("^a", "b", true)});
    ASSERT_EQ(listedNames(), QStringList({"a.txt", "B.txt"}));
    rememberContents();
    LogCapture log;
    ui.answers = {{2, false}};  // "Skip"
    controller->rename(false);

    EXPECT_EQ(alertMessages(), QStringList{"\"b.txt\" Already Exists"});
    EXPECT_FALSE(log.contains("avoiding collision")) << log.lines().join('\n');
    EXPECT_EQ(fileNames(), QStringList({"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(files().value("c.txt"), contentOf("B.txt"));
    expectContentsKept();
}

TEST_F(RenamingControllerRunTest, ChangeOfLetterCaseOnlyRenamesWithoutAsking) {
    listFilesWithContents({"photo.txt"});
    useSteps({findAndReplace("photo", "Photo")});
    controller->rename(false);
    EXPECT_TRUE(ui.alerts.isEmpty()) << alertMessages().join(" | ");
    EXPECT_EQ(fileNames(), QStringList{"Photo.txt"});
}

TEST_F(RenamingControllerRunTest, RunThatCannotKeepItsJournalDoesNotStart) {
    listFilesWithContents({"a.txt"});
    useSteps({suffix("_x")});
    // The state folder cannot be made: a file stands where it would be.
    const QString state = qEnvironmentVariable("XDG_STATE_HOME") + "/Torvane";
    QDir(state).removeRecursively();
    QFile blocker(state);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    controller->rename(false);
    QFile::remove(state);

    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts.first().messageText, "Cannot rename");
    EXPECT_TRUE(ui.alerts.first().informativeText.startsWith(
        "Torvane encountered the following error:\n\n"));
    EXPECT_EQ(fileNames(), QStringList{"a.txt"});
    EXPECT_FALSE(controller->isRenaming());
}

TEST_F(RenamingControllerRunTest, PendingComputationIsDoneInsteadOfRenaming) {
    listFilesWithContents({"a.txt"});
    useSteps({suffix("_x")});
    controller->updateRenameNamesAfterEnforcedDelay(true);
    EXPECT_EQ(controller->renameButtonState().title, "Updating list...");
    controller->rename(false);
    EXPECT_EQ(fileNames(), QStringList{"a.txt"});
    EXPECT_FALSE(controller->isRenamePathsUpdatePending());
    EXPECT_EQ(controller->renameButtonState().title, "Rename a.txt");
}

TEST_F(RenamingControllerRunTest, NothingToRenameBeepsAndLogs) {
    LogCapture log;
    controller->rename(false);
    EXPECT_TRUE(log.contains("no files"));
    EXPECT_EQ(ui.beeps, 1);

    listFilesWithContents({"a.txt"});
    useSteps({findAndReplace("zzz", "y")});
    controller->rename(false);
    EXPECT_TRUE(log.contains("nothing to rename"));
    EXPECT_EQ(ui.beeps, 2);
    EXPECT_EQ(quitRequests, 0);
}

TEST_F(RenamingControllerRunTest, DebugSummaryNamesTheMoveRoute) {
    UserDefaults::standardUserDefaults().setBool(true, "ZKDebugLog");
    UserDefaults::standardUserDefaults().setInteger(1, "Renaming Operation");
    listFilesWithContents({"a.txt", "b.txt"});
    useSteps({suffix("_x")});
    LogCapture log;
    controller->rename(false);
    const QStringList summary = log.lines().filter("[Debug] renamed 2 items in ");
    ASSERT_EQ(summary.size(), 1) << log.lines().join('\n');
    EXPECT_TRUE(summary.first().endsWith(" seconds (NSFileManager)")) << summary.first();
}
