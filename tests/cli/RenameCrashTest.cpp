#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <iostream>
#include <random>

#include "cli/CliTestSupport.h"
#include "journal/JournalRecovery.h"
#include "journal/JournalStore.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"
#include "support/TreeContents.h"

// Fault test: `torvane-cli rename` is killed (SIGKILL) at random points of a run over 2,000
// files full of swaps; nothing may be lost or duplicated, and `torvane-cli revert` must bring
// every file back under its old name.

namespace {

constexpr int kFileCount = 2000;
// Files in pairs whose names trade places ("12-0003.dat" <-> "21-0003.dat"); the rest get
// free names.
constexpr int kSwappedFiles = 1500;
constexpr int kKilledRuns = 10;
constexpr unsigned kDefaultSeed = 20261207;

const QVariantMap kSwapFirstTwo{{"Task", 0},
                                {"Rename: Find/Replace: Target", QVariantList{"^(.)(.)"}},
                                {"Rename: Find/Replace: Replacement", QVariantList{"$2$1"}},
                                {"Rename: Find/Replace: Query is RegEx", true}};

QString swapped(const QString &name) { return name.mid(1, 1) + name.left(1) + name.mid(2); }

// Names with two different leading digits, so that every file gets a new name.
QStringList fileNames() {
    QList<std::pair<int, int>> digits;
    for (int a = 0; a < 10; ++a)
        for (int b = a + 1; b < 10; ++b) digits.append({a, b});
    QStringList names;
    for (int k = 0; names.size() < kFileCount; ++k) {
        const bool pair = names.size() < kSwappedFiles;
        const auto [a, b] = digits[k % digits.size()];
        const QString name = QStringLiteral("%1%2-%3.dat")
                                 .arg(a)
                                 .arg(b)
                                 .arg(k / digits.size() + (pair ? 0 : 1000), 4, 10, QChar('0'));
        names << name;
        if (pair) names << swapped(name);
    }
    return names;
}

const char *inFlightState(const Journal &journal) {
    if (!journal.inFlight) return "none";
    switch (JournalRecovery::decide(*journal.inFlight)) {
        case JournalRecovery::Outcome::Happened:
            return "a move that happened";
        case JournalRecovery::Outcome::NotHappened:
            return "a move that did not happen";
        case JournalRecovery::Outcome::LostTrack:
            break;
    }
    return "a move whose item is lost";
}

unsigned seed() {
    bool ok = false;
    const unsigned chosen = qEnvironmentVariable("TORVANE_CRASH_SEED").toUInt(&ok);
    return ok ? chosen : kDefaultSeed;
}

QString cliProgram() {
    return QCoreApplication::applicationDirPath() + "/../../src/cli/torvane-cli";
}

// Counts the moves a run announces in its journal, reading only what was appended.
class JournalFollower {
public:
    explicit JournalFollower(const QStringList &known) : known_(known) {}

    int announcedMoves() {
        if (path_.isEmpty()) {
            for (const QString &path : JournalStore::journalPaths())
                if (!known_.contains(path)) path_ = path;
            if (path_.isEmpty()) return 0;
            file_.setFileName(path_);
            file_.open(QIODevice::ReadOnly);
        }
        pending_ += file_.readAll();
        const qsizetype lastLine = pending_.lastIndexOf('\n');
        for (const QByteArray &line : pending_.left(lastLine + 1).split('\n'))
            if (line.startsWith("intent ") || line.startsWith("as-planned ")) ++moves_;
        pending_.remove(0, lastLine + 1);
        return moves_;
    }

    QString path() const { return path_; }

private:
    QStringList known_;
    QString path_;
    QFile file_;
    QByteArray pending_;
    int moves_ = 0;
};

// Starts `torvane-cli rename --yes` on the folder and kills it once `due` says so, asked with
// the moves its journal announced so far and whether the journal is there yet (or lets it
// end first); answers the run's journal and whether the kill ended it.
QString renameAndKillWhen(const QString &steps, const QString &folder, const QString &errorsPath,
                          const std::function<bool(int announced, bool started)> &due,
                          bool *killed) {
    JournalFollower follower(JournalStore::journalPaths());
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(errorsPath);
    process.start(cliProgram(), {"rename", "--yes", "--steps", steps, folder});
    EXPECT_TRUE(process.waitForStarted());
    // waitForFinished notices the end of a run that made fewer moves; state() alone would not.
    while (!due(follower.announcedMoves(), !follower.path().isEmpty()) &&
           !process.waitForFinished(0))
        QThread::usleep(100);
    if (process.state() == QProcess::Running) ::kill(pid_t(process.processId()), SIGKILL);
    process.waitForFinished(60000);
    *killed = process.exitStatus() == QProcess::CrashExit;
    follower.announcedMoves();
    return follower.path();
}

QString renameAndKill(const QString &steps, const QString &folder, const QString &errorsPath,
                      int killAfter, bool *killed) {
    return renameAndKillWhen(
        steps, folder, errorsPath,
        [killAfter](int announced, bool) { return announced >= killAfter; }, killed);
}

// Journals on a memory file system for as long as it lives: their flushes cost nothing
// there, and a killed process loses nothing the kernel already holds, so the test checks the
// same and stays fast on a busy disk.
class MemoryStateFolder {
public:
    MemoryStateFolder() {
        if (!folder_.isValid()) return;
        saved_ = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", QFile::encodeName(folder_.path()));
    }
    ~MemoryStateFolder() {
        if (folder_.isValid()) qputenv("XDG_STATE_HOME", saved_);
    }

private:
    QTemporaryDir folder_{"/dev/shm/torvane-crash-test-XXXXXX"};
    QByteArray saved_;
};

class RenameCrashTest : public testing::Test {
protected:
    void SetUp() override {
        folder = dir.makeFolder("files");
        for (const QString &name : fileNames())
            originals.insert(name, QStringLiteral("content of %1\n").arg(name).toUtf8());
        for (auto it = originals.cbegin(); it != originals.cend(); ++it)
            dir.makeFile("files/" + it.key(), it.value());
        steps = writeStepsFile(dir.path(), {kSwapFirstTwo});
    }

    // Every file is there exactly once, under its old name, its new one, or a name the
    // journal accounts for (a move aside that happened or may have).
    void expectNothingLostOrDuplicated(const QString &journalPath) {
        Journal journal;
        QString error;
        ASSERT_TRUE(JournalStore::read(journalPath, &journal, &error)) << error;
        QList<JournalMove> moves = journal.done;
        if (journal.inFlight) moves << *journal.inFlight;
        std::cout << "[ in flight] " << inFlightState(journal) << '\n';
        QSet<QString> accounted;
        for (const JournalMove &move : moves)
            accounted << QFileInfo(QFile::decodeName(move.to)).fileName();

        const QMap<QString, QByteArray> files = filesUnder(folder);
        QMap<QByteArray, QString> nameOfContent;
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            EXPECT_FALSE(nameOfContent.contains(it.value())) << "duplicated: " << it.key();
            nameOfContent.insert(it.value(), it.key());
        }
        EXPECT_EQ(files.size(), originals.size());
        for (auto it = originals.cbegin(); it != originals.cend(); ++it) {
            const QString where = nameOfContent.value(it.value());
            EXPECT_TRUE(where == it.key() || where == swapped(it.key()) ||
                        accounted.contains(where))
                << it.key().toStdString() << " is at \"" << where.toStdString() << '"';
        }
    }

    MemoryStateFolder stateFolder;
    TestDir dir;
    QString folder;
    QString steps;
    QMap<QString, QByteArray> originals;
};

TEST_F(RenameCrashTest, KilledRunsLoseNothingAndRevertBringsEveryFileBack) {
    const unsigned chosenSeed = seed();
    std::cout << "[ seed     ] " << chosenSeed << " (TORVANE_CRASH_SEED repeats another)\n";
    std::mt19937 random(chosenSeed);
    // Each swapped pair takes three moves (one aside), every other file one.
    const int movesPerRun = kFileCount + kSwappedFiles / 2;
    for (int run = 0; run < kKilledRuns; ++run) {
        // One kill point in each slice of the run, so that the kills cover all of it.
        std::uniform_int_distribution<int> slice(run * movesPerRun / kKilledRuns + 1,
                                                 (run + 1) * movesPerRun / kKilledRuns);
        const int killAfter = slice(random);
        bool killed = false;
        const QString journal =
            renameAndKill(steps, folder, dir.filePath("rename-errors.txt"), killAfter, &killed);
        std::cout << "[ run " << run << "    ] " << (killed ? "killed" : "ended before the kill")
                  << " after " << killAfter << " announced moves\n";
        ASSERT_FALSE(journal.isEmpty()) << "the run left no journal";
        JournalSummary summary;
        ASSERT_TRUE(JournalStore::readSummary(journal, &summary, nullptr));
        // A kill after the last move may land once the journal is closed (the run still records
        // its history before it ends): closed is then as right as open.
        if (!killed) {
            EXPECT_TRUE(summary.closed);
        }
        expectNothingLostOrDuplicated(journal);

        const CliRun revert = runCliProgram({"revert", "--yes"});
        EXPECT_EQ(revert.status, 0) << revert.err.toStdString();
        EXPECT_EQ(filesUnder(folder), originals) << "after the revert of run " << run;
        EXPECT_TRUE(JournalRecovery::openJournals().isEmpty());
        if (HasFailure()) break;
    }
}

// The same with changes of letter case only, which go through a temporary name in two steps
// (on this case-sensitive file system too): the kills fall between the halves as well. Every
// other killed run is first finished with `torvane-cli finish`, which must leave no item
// under a temporary name; then `torvane-cli revert` brings every name back.
constexpr int kCaseFileCount = 600;
constexpr int kKilledCaseRuns = 6;

class CaseChangeCrashTest : public testing::Test {
protected:
    void SetUp() override {
        folder = dir.makeFolder("files");
        for (int i = 0; i < kCaseFileCount; ++i) {
            const QString name = QStringLiteral("x%1.dat").arg(i, 4, 10, QChar('0'));
            originals.insert(name, QStringLiteral("content of %1\n").arg(name).toUtf8());
            dir.makeFile("files/" + name, originals.value(name));
        }
        steps = writeStepsFile(
            dir.path(), {QVariantMap{{"Task", 0},
                                     {"Rename: Find/Replace: Target", QVariantList{"x"}},
                                     {"Rename: Find/Replace: Replacement", QVariantList{"X"}}}});
    }

    // Every file once, under its old name, its new one, or (allowTemporary) a temporary
    // name the journal accounts for.
    void expectEveryFileOnce(const QString &journalPath, bool allowTemporary,
                             const std::string &where) {
        QSet<QString> accounted;
        if (allowTemporary) {
            Journal journal;
            QString error;
            ASSERT_TRUE(JournalStore::read(journalPath, &journal, &error)) << error;
            QList<JournalMove> moves = journal.done;
            if (journal.inFlight) moves << *journal.inFlight;
            for (const JournalMove &move : moves)
                accounted << QFileInfo(QFile::decodeName(move.to)).fileName();
        }
        const QMap<QString, QByteArray> files = filesUnder(folder);
        QMap<QByteArray, QString> nameOfContent;
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            EXPECT_FALSE(nameOfContent.contains(it.value()))
                << where << " duplicated: " << it.key();
            nameOfContent.insert(it.value(), it.key());
        }
        EXPECT_EQ(files.size(), originals.size()) << where;
        for (auto it = originals.cbegin(); it != originals.cend(); ++it) {
            const QString at = nameOfContent.value(it.value());
            QString renamed = it.key();
            renamed[0] = 'X';
            EXPECT_TRUE(at == it.key() || at == renamed ||
                        (at.startsWith("com.quorlix.tvt ") && accounted.contains(at)))
                << where << ": " << it.key().toStdString() << " is at \"" << at.toStdString()
                << '"';
        }
    }

    MemoryStateFolder stateFolder;
    TestDir dir;
    QString folder;
    QString steps;
    QMap<QString, QByteArray> originals;
};

TEST_F(CaseChangeCrashTest, KilledCaseChangesAreFinishedAndRevertedWithEveryFileOnce) {
    std::mt19937 random(seed());
    // Two steps per file.
    const int stepsPerRun = 2 * kCaseFileCount;
    for (int run = 0; run < kKilledCaseRuns; ++run) {
        std::uniform_int_distribution<int> slice(run * stepsPerRun / kKilledCaseRuns + 1,
                                                 (run + 1) * stepsPerRun / kKilledCaseRuns);
        const int killAfter = slice(random);
        bool killed = false;
        const QString journal =
            renameAndKill(steps, folder, dir.filePath("rename-errors.txt"), killAfter, &killed);
        const std::string where = "run " + std::to_string(run);
        const QStringList temporary = QDir(folder).entryList({"com.quorlix.tvt *"}, QDir::Files);
        std::cout << "[ run " << run << "    ] " << (killed ? "killed" : "ended before the kill")
                  << " after " << killAfter << " announced steps, "
                  << (temporary.isEmpty() ? "no item" : "an item") << " under a temporary name\n";
        ASSERT_FALSE(journal.isEmpty());
        expectEveryFileOnce(journal, true, where + " after the kill");

        if (run % 2 == 0) {
            const CliRun finish = runCliProgram({"finish"});
            EXPECT_EQ(finish.status, 0) << finish.err.toStdString() << finish.out.toStdString();
            expectEveryFileOnce(journal, false, where + " after finish");
            EXPECT_TRUE(JournalRecovery::openJournals().isEmpty());
        }
        const CliRun revert = runCliProgram({"revert", "--yes"});
        EXPECT_EQ(revert.status, 0) << revert.err.toStdString();
        EXPECT_EQ(filesUnder(folder), originals) << "after the revert of run " << run;
        EXPECT_TRUE(JournalRecovery::openJournals().isEmpty());
        if (HasFailure()) break;
    }
}

// Plain renames of a large folder, made ahead of the run's own records on a second thread:
// the journal tells little of where the moves stand, so the kills fall by time, spread over
// a whole run. Every file stays once, under its old or its new name, and `torvane-cli revert`
// brings every name back.
constexpr int kPlainFileCount = 3000;
constexpr int kKilledPlainRuns = 8;

TEST(MovesAheadCrashTest, RunsKilledWhileMovesAreMadeAheadKeepEveryFileOnceAndRevert) {
    MemoryStateFolder stateFolder;
    TestDir dir;
    const QString folder = dir.makeFolder("files");
    QMap<QString, QByteArray> originals;
    for (int i = 0; i < kPlainFileCount; ++i) {
        const QString name = QStringLiteral("f%1.dat").arg(i, 4, 10, QChar('0'));
        originals.insert(name, QStringLiteral("content of %1\n").arg(name).toUtf8());
        dir.makeFile("files/" + name, originals.value(name));
    }
    const QString steps = writeStepsFile(
        dir.path(), {QVariantMap{{"Task", 0},
                                 {"Rename: Find/Replace: Target", QVariantList{"^f"}},
                                 {"Rename: Find/Replace: Replacement", QVariantList{"g"}},
                                 {"Rename: Find/Replace: Query is RegEx", true}}});
    const auto expectEveryFileOnce = [&](const std::string &where) {
        const QMap<QString, QByteArray> files = filesUnder(folder);
        EXPECT_EQ(files.size(), originals.size()) << where;
        for (auto it = originals.cbegin(); it != originals.cend(); ++it) {
            const QString renamed = "g" + it.key().mid(1);
            EXPECT_NE(files.contains(it.key()), files.contains(renamed))
                << where << ": " << it.key().toStdString();
            EXPECT_EQ(files.value(files.contains(renamed) ? renamed : it.key()), it.value())
                << where;
        }
    };
    // How long a run takes here from the start of its journal, to spread the kills over it.
    QElapsedTimer timer;
    qint64 journalStarted = -1;
    const auto noteStart = [&](bool started) {
        if (started && journalStarted < 0) journalStarted = timer.nsecsElapsed();
        return journalStarted >= 0;
    };
    bool killed = false;
    timer.start();
    renameAndKillWhen(
        steps, folder, dir.filePath("rename-errors.txt"),
        [&](int, bool started) {
            noteStart(started);
            return false;
        },
        &killed);
    const qint64 moving = timer.nsecsElapsed() - journalStarted;
    ASSERT_TRUE(journalStarted >= 0 && !killed);
    ASSERT_EQ(runCliProgram({"revert", "--yes"}).status, 0);
    ASSERT_EQ(filesUnder(folder), originals);

    std::mt19937 random(seed());
    for (int run = 0; run < kKilledPlainRuns; ++run) {
        // One kill in each slice of the time from the journal's start to the run's end.
        std::uniform_real_distribution<double> slice(double(run) / kKilledPlainRuns,
                                                     double(run + 1) / kKilledPlainRuns);
        const qint64 killAt = qint64(slice(random) * double(moving));
        journalStarted = -1;
        timer.restart();
        const QString journal = renameAndKillWhen(
            steps, folder, dir.filePath("rename-errors.txt"),
            [&](int, bool started) {
                return noteStart(started) && timer.nsecsElapsed() - journalStarted >= killAt;
            },
            &killed);
        const int renamed = QDir(folder).entryList({"g*"}, QDir::Files).size();
        std::cout << "[ run " << run << "    ] " << (killed ? "killed" : "ended before the kill")
                  << ", " << killAt / 1000000 << " ms into its journal, " << renamed
                  << " renamed\n";
        ASSERT_FALSE(journal.isEmpty());
        expectEveryFileOnce("run " + std::to_string(run) + " after the kill");

        const CliRun revert = runCliProgram({"revert", "--yes"});
        EXPECT_EQ(revert.status, 0) << revert.err.toStdString();
        EXPECT_EQ(filesUnder(folder), originals) << "after the revert of run " << run;
        EXPECT_TRUE(JournalRecovery::openJournals().isEmpty());
        if (HasFailure()) break;
    }
}

}  // namespace
