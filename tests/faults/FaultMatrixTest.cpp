// The fault matrix of the rename run: one run over a folder full of swaps, cycles, shift
// chains, case changes and replaced occupants meets each fault (a real SIGKILL after every
// journal record, a journal torn at every byte of its last records, failing moves, a full or
// read-only disk, items that vanish or are replaced, signals, a second run at once). After
// each, every file's content must exist exactly once, where the run or its journal says it
// may be, and `torvane-cli revert` must bring every file back.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <iostream>
#include <thread>

#include "FaultTree.h"
#include "cli/Cli.h"
#include "journal/JournalRecovery.h"
#include "journal/JournalStore.h"
#include "support/TreeContents.h"

namespace {

// A tree of this many groups (15 files each) for the faults that strike once per run.
constexpr int kLargeTree = 20;

struct Fault {
    const char *name;
    // Whether the run must stop with an error: a replaced item is renamed all the same (an
    // editor that saves through a new file replaces it too).
    bool stopsRun = true;
};

QString trashFiles() { return qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/files"; }

// Every file below `folder` by path (relative to `folder`), also inside subfolders.
QMap<QString, QByteArray> contentsIn(const QString &folder) {
    return QFileInfo::exists(folder) ? filesUnder(folder) : QMap<QString, QByteArray>();
}

QStringList newJournals(const QStringList &before) {
    QStringList added;
    for (const QString &path : JournalStore::journalPaths())
        if (!before.contains(path)) added << path;
    return added;
}

// Names (not paths) the journal accounts for: where its steps put items.
QSet<QString> accountedNames(const QString &journalPath) {
    QSet<QString> names;
    Journal journal;
    QString error;
    EXPECT_TRUE(JournalStore::read(journalPath, &journal, &error)) << error.toStdString();
    QList<JournalMove> moves = journal.done;
    if (journal.inFlight) moves << *journal.inFlight;
    for (const JournalMove &move : moves) names << QFileInfo(QFile::decodeName(move.to)).fileName();
    return names;
}

class FaultMatrixTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(state.isValid());
        savedState = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
        QDir(trashFiles()).removeRecursively();
    }
    void TearDown() override { qputenv("XDG_STATE_HOME", savedState); }

    // Runs the faulty program's rename over the tree; answers its journal ("" for none).
    QString renameWithFault(const FaultTree &tree, const QString &fault, int step,
                            const QString &phase, ProgramRun *run,
                            const QString &program = faultyCliProgram()) {
        const QStringList before = JournalStore::journalPaths();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TORVANE_FAULT", fault);
        environment.insert("TORVANE_FAULT_STEP", QString::number(step));
        environment.insert("TORVANE_FAULT_PHASE", phase);
        environment.insert("TORVANE_FAULT_STASH", tree.stash());
        *run = runProgram(
            program,
            QStringList{"rename", "--yes", "--on-exists", "replace", "--steps", tree.steps()} +
                tree.listed(),
            environment);
        const QStringList added = newJournals(before);
        return added.value(added.size() - 1);
    }

    // Every content the tree began with exists exactly once: in its folder under its old
    // name, its new name or a name the journal accounts for; in the Trash (an occupant that
    // was replaced); or in the stash (taken away by the fault). Answers the files checked.
    int expectEveryFileOnce(const FaultTree &tree, const QString &journal,
                            const std::string &where) {
        const QSet<QString> accounted =
            journal.isEmpty() ? QSet<QString>() : accountedNames(journal);
        QMap<QByteArray, QStringList> placesOf;
        const auto collect = [&](const QString &folder, const QString &label) {
            const QMap<QString, QByteArray> files = contentsIn(folder);
            for (auto it = files.cbegin(); it != files.cend(); ++it)
                placesOf[it.value()] << label + it.key();
        };
        collect(tree.folder(), QString());
        collect(trashFiles(), "trash:");
        collect(tree.stash(), "stash:");
        placesOf.remove("impostor\n");
        const QMap<QString, QByteArray> &originals = tree.originals();
        for (auto it = originals.cbegin(); it != originals.cend(); ++it) {
            const QStringList places = placesOf.take(it.value());
            EXPECT_EQ(places.size(), 1) << where << ": " << it.key().toStdString() << " is at \""
                                        << places.join("\", \"").toStdString() << '"';
            if (places.size() != 1) continue;
            const QString &at = places.first();
            const bool expected = at == it.key() || at == FaultTree::newName(it.key()) ||
                                  accounted.contains(at) || at.startsWith("stash:") ||
                                  (at.startsWith("trash:") && it.key().startsWith('Q'));
            EXPECT_TRUE(expected) << where << ": " << it.key().toStdString() << " is at \""
                                  << at.toStdString() << '"';
        }
        EXPECT_TRUE(placesOf.isEmpty()) << where << ": unknown files " << placesOf.size();
        return int(originals.size());
    }

    // `torvane-cli revert` brings every file back under its old name (an item the fault
    // took away is put back first; an impostor at its place is dropped).
    void expectRevertBringsEveryFileBack(const FaultTree &tree, const std::string &where) {
        const ProgramRun revert = runProgram(cliProgram(), {"revert", "--yes"});
        // A run stopped before its first move leaves nothing to revert.
        const bool nothingToRevert = revert.status == 2 && revert.err.contains("nothing to revert");
        EXPECT_TRUE(revert.status == 0 || nothingToRevert)
            << where << ": " << revert.err.toStdString();
        QMap<QString, QByteArray> files = contentsIn(tree.folder());
        for (auto it = files.begin(); it != files.end();)
            it = it.value() == "impostor\n" ? files.erase(it) : std::next(it);
        // Taken away under whichever name it had then: its content names it.
        for (const QByteArray &content : contentsIn(tree.stash()))
            files.insert(QString::fromUtf8(content.mid(11).chopped(1)), content);
        EXPECT_EQ(files, tree.originals()) << where << ": not every file is back";
        EXPECT_TRUE(contentsIn(trashFiles()).isEmpty()) << where << ": left in the Trash";
        EXPECT_TRUE(JournalRecovery::openJournals().isEmpty()) << where;
    }

    QTemporaryDir state{"/dev/shm/torvane-fault-state-XXXXXX"};
    QByteArray savedState;
};

// A real SIGKILL after every journal record of a run (after each intent, after each move
// before its completion is written, after each completion), on a tree with every case once.
// Every other killed run is first finished with `torvane-cli finish`.
TEST_F(FaultMatrixTest, KillAfterEveryJournalRecordLosesNothing) {
    int kills = 0;
    int checked = 0;
    for (const char *phase : {"announced", "made", "recorded"}) {
        for (int step = 1;; ++step) {
            const std::string where = std::string(phase) + " " + std::to_string(step);
            FaultTree tree(1);
            ProgramRun run;
            const QString journal = renameWithFault(tree, "kill", step, phase, &run);
            ASSERT_FALSE(journal.isEmpty()) << where;
            if (!run.crashed) {
                // The run ended before the step: every record was had.
                EXPECT_GT(step, 15) << where << ": " << run.err.toStdString();
                expectRevertBringsEveryFileBack(tree, where + " (not killed)");
                break;
            }
            ++kills;
            checked += expectEveryFileOnce(tree, journal, where + " after the kill");
            if (step % 2 == 1) {
                const ProgramRun finish = runProgram(cliProgram(), {"finish"});
                EXPECT_EQ(finish.status, 0) << where << ": " << finish.err.toStdString();
                checked += expectEveryFileOnce(tree, journal, where + " after finish");
                const QStringList temporary =
                    QDir(tree.folder()).entryList({"com.quorlix.tvt *"}, QDir::Files);
                EXPECT_TRUE(temporary.isEmpty()) << where << ": a temporary name after finish";
            }
            expectRevertBringsEveryFileBack(tree, where);
            if (HasFailure()) return;
        }
    }
    std::cout << "[ kills    ] " << kills << " runs killed, " << checked << " files checked\n";
}

// A run killed once its plan is on disk and before its first move: recovery and revert must
// cope with the journal as the kill left it and as a crash of the machine may leave it, with
// nothing but the plan (every record after it is written without waiting for the disk).
TEST_F(FaultMatrixTest, KillBetweenThePlanAndTheFirstMoveLosesNothing) {
    for (const bool planOnly : {false, true}) {
        const std::string where = planOnly ? "plan only" : "as killed";
        FaultTree tree(2);
        ProgramRun run;
        const QString journal = renameWithFault(tree, "kill", 1, "announced", &run);
        ASSERT_TRUE(run.crashed) << where;
        Journal content;
        ASSERT_TRUE(JournalStore::read(journal, &content, nullptr)) << where;
        EXPECT_TRUE(content.done.isEmpty()) << where;
        EXPECT_EQ(content.planned.size(), tree.listed().size()) << where;
        if (planOnly) {
            QFile file(journal);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            const QByteArray bytes = file.readAll();
            qsizetype planEnd = 0;
            for (qsizetype line = 0; line <= content.planned.size(); ++line)
                planEnd = bytes.indexOf('\n', planEnd) + 1;
            ASSERT_TRUE(file.resize(planEnd));
        }
        EXPECT_EQ(contentsIn(tree.folder()), tree.originals()) << where;
        const ProgramRun finish = runProgram(cliProgram(), {"finish"});
        EXPECT_EQ(finish.status, 0) << where << ": " << finish.err.toStdString();
        expectEveryFileOnce(tree, journal, where + " after finish");
        expectRevertBringsEveryFileBack(tree, where);
    }
}

// The journal of a run killed just before a step's move, cut at every byte from the end of
// the intent before (its completion and this intent were not yet flushed together), as a
// power loss may leave it; recovery and revert must find every file.
TEST_F(FaultMatrixTest, JournalTornAtEveryByteOfItsLastRecords) {
    int cuts = 0;
    for (const int step : {2, 5, 9, 14, 19}) {
        const std::string where = "step " + std::to_string(step);
        FaultTree tree(1);
        ProgramRun run;
        const QString journal = renameWithFault(tree, "kill", step, "announced", &run);
        ASSERT_TRUE(run.crashed) << where;
        QFile file(journal);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        const QMap<QString, QByteArray> disk = contentsIn(tree.folder());
        const QMap<QString, QByteArray> trash = contentsIn(trashFiles());
        // Where the last two intents start: the cut may fall anywhere after the one before.
        QList<qsizetype> intents;
        for (qsizetype at = 0; at >= 0; at = bytes.indexOf('\n', at + 1)) {
            const qsizetype start = at == 0 ? 0 : at + 1;
            if (bytes.mid(start, 7) == "intent " || bytes.mid(start, 6) == "trash ")
                intents << start;
        }
        ASSERT_GE(intents.size(), 2) << where;
        const qsizetype from = bytes.indexOf('\n', intents[intents.size() - 2]) + 1;
        for (qsizetype length = from; length <= bytes.size(); ++length, ++cuts) {
            const std::string cut = where + " cut at " + std::to_string(length);
            // The disk as the kill left it, under the cut journal.
            QDir(tree.folder()).removeRecursively();
            QDir(trashFiles()).removeRecursively();
            QDir().mkpath(trashFiles());
            QDir().mkpath(tree.folder());
            for (auto it = disk.cbegin(); it != disk.cend(); ++it) {
                QFile restored(tree.folder() + '/' + it.key());
                ASSERT_TRUE(restored.open(QIODevice::WriteOnly));
                restored.write(it.value());
            }
            for (const QString &path : JournalStore::journalPaths()) QFile::remove(path);
            QFile torn(journal);
            ASSERT_TRUE(torn.open(QIODevice::WriteOnly));
            torn.write(bytes.left(length));
            torn.close();
            if (!trash.isEmpty()) {
                // The Trash is not rebuilt: cuts are checked only before a replaced occupant.
                std::cout << "[ skipped  ] " << cut << ": an occupant is in the Trash\n";
                break;
            }
            QString out;
            QString err;
            QTextStream outStream(&out);
            QTextStream errStream(&err);
            const int status = runCli({"revert", "--yes"}, outStream, errStream);
            errStream.flush();
            EXPECT_EQ(status, 0) << cut << ": " << err.toStdString();
            EXPECT_EQ(contentsIn(tree.folder()), tree.originals()) << cut;
            if (HasFailure()) return;
        }
    }
    std::cout << "[ cuts     ] " << cuts << " torn journals recovered\n";
}

// Failures of single moves (a full disk, no permission, a read-only or another file system,
// an I/O error) and items that vanish or are replaced between the scan and their move, each
// early, half-way and late in a run over a few hundred files.
TEST_F(FaultMatrixTest, FailedMovesAndVanishedItemsLoseNothing) {
    const Fault faults[] = {{"ENOSPC"}, {"EACCES"}, {"EROFS"},         {"EXDEV"},
                            {"EIO"},    {"vanish"}, {"replace", false}};
    int tried = 0;
    int checked = 0;
    for (const Fault &fault : faults) {
        for (const int step : {1, 150, 330}) {
            const std::string where = std::string(fault.name) + " at " + std::to_string(step);
            FaultTree tree(kLargeTree);
            ProgramRun run;
            const QString journal = renameWithFault(tree, fault.name, step, "announced", &run);
            ASSERT_FALSE(journal.isEmpty()) << where;
            // The run stops with an error and says so.
            EXPECT_EQ(run.status, fault.stopsRun ? 1 : 0) << where << ": " << run.err.toStdString();
            EXPECT_EQ(run.err.contains("Cannot rename"), fault.stopsRun)
                << where << ": " << run.err.toStdString();
            ++tried;
            checked += expectEveryFileOnce(tree, journal, where);
            expectRevertBringsEveryFileBack(tree, where);
            if (HasFailure()) return;
        }
    }
    std::cout << "[ faults   ] " << tried << " failed runs, " << checked << " files checked\n";
}

// Ctrl-C and SIGTERM stop the run at a step boundary: the journal is closed, the exit status
// says which signal ended it, and nothing is lost.
TEST_F(FaultMatrixTest, SignalsStopTheRunCleanly) {
    const struct {
        const char *fault;
        int status;
    } stops[] = {{"sigint", 130}, {"sigterm", 143}};
    for (const auto &stop : stops) {
        const std::string where = stop.fault;
        FaultTree tree(kLargeTree);
        ProgramRun run;
        const QString journal = renameWithFault(tree, stop.fault, 40, "made", &run);
        EXPECT_EQ(run.status, stop.status) << where << ": " << run.err.toStdString();
        JournalSummary summary;
        ASSERT_TRUE(JournalStore::readSummary(journal, &summary, nullptr)) << where;
        EXPECT_TRUE(summary.closed) << where;
        Journal content;
        ASSERT_TRUE(JournalStore::read(journal, &content, nullptr));
        EXPECT_FALSE(content.inFlight) << where;
        // Stopped, not run to the end.
        EXPECT_LT(content.done.size(), tree.listed().size()) << where;
        expectEveryFileOnce(tree, journal, where);
        expectRevertBringsEveryFileBack(tree, where);
    }
}

// A second rename of the same folder while a first one is under way is refused before it
// moves anything; the first one ends as if alone.
TEST_F(FaultMatrixTest, SecondRunOnTheSameFolderIsRefused) {
    FaultTree tree(kLargeTree);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TORVANE_FAULT", "pause");
    environment.insert("TORVANE_FAULT_STEP", "20");
    environment.insert("TORVANE_FAULT_STASH", tree.stash());
    QProcess first;
    first.setProcessEnvironment(environment);
    first.setStandardOutputFile(QProcess::nullDevice());
    first.start(faultyCliProgram(),
                QStringList{"rename", "--yes", "--on-exists", "replace", "--steps", tree.steps()} +
                    tree.listed());
    const QString paused = tree.stash() + "/.paused";
    for (int wait = 0; wait < 6000 && !QFile::exists(paused); ++wait) QThread::msleep(10);
    ASSERT_TRUE(QFile::exists(paused)) << "the first run never reached its pause";
    const QMap<QString, QByteArray> midway = contentsIn(tree.folder());

    const ProgramRun second = runProgram(
        cliProgram(),
        QStringList{"rename", "--yes", "--on-exists", "replace", "--steps", tree.steps()} +
            tree.listed());
    EXPECT_NE(second.status, 0);
    EXPECT_TRUE(second.err.contains("another rename run")) << second.err.toStdString();
    EXPECT_EQ(contentsIn(tree.folder()), midway) << "the second run moved something";

    QFile::remove(paused);
    ASSERT_TRUE(first.waitForFinished(60000));
    EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    for (auto it = tree.originals().cbegin(); it != tree.originals().cend(); ++it) {
        const QString name = it.key().startsWith('Q') ? QString() : FaultTree::newName(it.key());
        if (!name.isEmpty()) {
            EXPECT_EQ(contentsIn(tree.folder()).value(name), it.value()) << name.toStdString();
        }
    }
    expectRevertBringsEveryFileBack(tree, "after two runs");
}

// A memory file system of a chosen size as the state folder, for a journal that meets a
// really full disk.
class SmallStateVolume {
public:
    explicit SmallStateVolume(qint64 bytes) {
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0700";
        mounted_ = ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
                           options.constData()) == 0;
    }
    ~SmallStateVolume() {
        if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    bool isMounted() const { return mounted_; }
    QString path() const { return dir_.path(); }
    bool grow(qint64 bytes) {
        const QByteArray options = "size=" + QByteArray::number(bytes);
        return ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", MS_REMOUNT,
                       options.constData()) == 0;
    }

private:
    QTemporaryDir dir_{QDir::tempPath() + "/torvane-fault-volume-XXXXXX"};
    bool mounted_ = false;
};

// ENOSPC for real while the journal grows: the state folder on a tiny memory file system
// that fills after each page of journal. The run may not start, or stops when a record
// cannot be written; nothing is lost and the revert (after the disk got room) brings every
// file back.
TEST_F(FaultMatrixTest, FullDiskUnderTheJournalLosesNothing) {
    int tried = 0;
    for (int pages = 1; pages <= 40; ++pages) {
        const std::string where = std::to_string(pages) + " pages";
        SmallStateVolume volume(pages * 4096);
        if (!volume.isMounted()) GTEST_SKIP() << "cannot mount a memory file system (root?)";
        qputenv("XDG_STATE_HOME", QFile::encodeName(volume.path()));
        FaultTree tree(kLargeTree);
        ProgramRun run;
        const QString journal = renameWithFault(tree, "none", 0, "announced", &run);
        ++tried;
        if (journal.isEmpty()) {
            // Not even the journal's plan fitted: the run never started.
            EXPECT_NE(run.status, 0) << where;
            EXPECT_EQ(contentsIn(tree.folder()), tree.originals()) << where;
            continue;
        }
        expectEveryFileOnce(tree, journal, where);
        if (HasFailure()) {
            QFile file(journal);
            file.open(QIODevice::ReadOnly);
            std::cout << where << " run: " << run.status << ' ' << run.err.toStdString()
                      << "\njournal ends:\n"
                      << file.readAll().right(600).toStdString() << '\n';
        }
        ASSERT_TRUE(volume.grow(16 << 20));
        expectRevertBringsEveryFileBack(tree, where);
        if (HasFailure()) return;
    }
    std::cout << "[ full     ] " << tried << " runs on a full journal disk\n";
}

// The listed files' own folder turns really read-only (a read-only bind mount of it onto
// itself) while the run is paused before one of its steps: the step fails with the system's
// message, the run stops, every file is where the journal says, and once the folder is
// writable again the revert brings every file back.
TEST_F(FaultMatrixTest, FolderTurningReadOnlyDuringTheRunLosesNothing) {
    for (const int step : {1, 12}) {
        const std::string where = "read-only before step " + std::to_string(step);
        FaultTree tree(3);
        const QByteArray folder = QFile::encodeName(tree.folder());
        if (::mount(folder.constData(), folder.constData(), nullptr, MS_BIND, nullptr) != 0)
            GTEST_SKIP() << "cannot bind-mount the folder (root?)";
        const auto unmount = qScopeGuard([&] { ::umount2(folder.constData(), MNT_DETACH); });
        const auto remount = [&](unsigned long readOnly) {
            return ::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_BIND | readOnly,
                           nullptr) == 0;
        };
        std::thread turner([&] {
            const QString flag = tree.stash() + "/.paused";
            for (int wait = 0; wait < 30000 && !QFile::exists(flag); ++wait) ::usleep(1000);
            EXPECT_TRUE(remount(MS_RDONLY)) << where;
            QFile::remove(flag);
        });
        ProgramRun run;
        const QString journal = renameWithFault(tree, "pause", step, "announced", &run);
        turner.join();
        EXPECT_NE(run.status, 0) << where;
        EXPECT_TRUE(run.err.contains("Read-only file system")) << where << run.err.toStdString();
        expectEveryFileOnce(tree, journal, where);
        ASSERT_TRUE(remount(0)) << where;
        expectRevertBringsEveryFileBack(tree, where);
    }
}

}  // namespace
