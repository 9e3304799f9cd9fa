#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "cli/CliTestSupport.h"
#include "cli/RevertCommand.h"
#include "journal/JournalRecovery.h"
#include "journal/JournalStore.h"
#include "journal/RunJournal.h"
#include "platform/NoClobberMove.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"
#include "support/TreeContents.h"

namespace {

// Swaps the first two characters of every name: "12-a.txt" <-> "21-a.txt".
const QVariantMap kSwapFirstTwo{{"Task", 0},
                                {"Rename: Find/Replace: Target", QVariantList{"^(.)(.)"}},
                                {"Rename: Find/Replace: Replacement", QVariantList{"$2$1"}},
                                {"Rename: Find/Replace: Query is RegEx", true}};

class RevertCommandTest : public testing::Test {
protected:
    void SetUp() override {
        for (const QString &path : JournalStore::journalPaths()) QFile::remove(path);
        for (const char *name : {"12-a.txt", "21-a.txt", "34-a.txt"}) dir.makeFile(name, name);
    }

    CliRun renameAll() {
        const QString steps = writeStepsFile(dir.path(), {kSwapFirstTwo});
        return runCliInProcess({"rename", "--yes", "--steps", steps, dir.filePath("12-a.txt"),
                                dir.filePath("21-a.txt"), dir.filePath("34-a.txt")});
    }

    QByteArray content(const QString &name) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QList<QByteArray> sortedContents() const { return sortedContentsUnder(dir.path()); }

    bool everyFileIsBack() {
        return content("12-a.txt") == "12-a.txt" && content("21-a.txt") == "21-a.txt" &&
               content("34-a.txt") == "34-a.txt" && !QFile::exists(dir.filePath("43-a.txt"));
    }

    int revertAnswering(const QString &answer, QString *errors) {
        QString output;
        QString input = answer;
        QTextStream out(&output), err(errors), in(&input);
        RevertCommand revert(out, err, /*interactive=*/true, in);
        const int status = revert.execute({});
        err.flush();
        return status;
    }

    TestDir dir;
};

TEST_F(RevertCommandTest, RevertUndoesTheLastRenameAndPrintsEveryMoveBack) {
    const CliRun rename = renameAll();
    ASSERT_EQ(rename.status, 0) << rename.err;
    ASSERT_EQ(content("12-a.txt"), "21-a.txt");
    ASSERT_EQ(content("43-a.txt"), "34-a.txt");

    const CliRun revert = runCliInProcess({"revert", "--yes"});
    EXPECT_EQ(revert.status, 0) << revert.err;
    EXPECT_TRUE(everyFileIsBack());
    // The swap went through a move aside: three moves back for it, one for the plain rename.
    const QStringList lines = revert.lines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines.first(),
              "restored " + dir.filePath("43-a.txt") + " -> " + dir.filePath("34-a.txt"));
    for (const QString &line : lines) EXPECT_TRUE(line.startsWith("restored ")) << line;
    EXPECT_TRUE(revert.err.contains("restored 4 of 4 items"));

    const CliRun again = runCliInProcess({"revert", "--yes"});
    EXPECT_EQ(again.status, 2);
    EXPECT_EQ(again.err, "torvane-cli revert: nothing to revert\n");
}

TEST_F(RevertCommandTest, MoveBackToATakenNameIsSkippedAndReported) {
    ASSERT_EQ(renameAll().status, 0);
    dir.makeFile("34-a.txt", "newcomer");

    const CliRun revert = runCliInProcess({"revert", "--yes", "--json"});
    EXPECT_EQ(revert.status, 1);
    const QList<QJsonObject> lines = revert.jsonLines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0]["outcome"].toString(), "skipped");
    EXPECT_EQ(lines[0]["from"].toString(), dir.filePath("43-a.txt"));
    EXPECT_EQ(lines[0]["to"].toString(), dir.filePath("34-a.txt"));
    EXPECT_EQ(lines[0]["reason"].toString(),
              dir.filePath("34-a.txt") + " is taken by another item");
    EXPECT_EQ(lines[1]["outcome"].toString(), "restored");
    EXPECT_TRUE(lines[1]["reason"].isNull());
    EXPECT_EQ(content("34-a.txt"), "newcomer");
    EXPECT_EQ(content("43-a.txt"), "34-a.txt");
    EXPECT_EQ(content("12-a.txt"), "12-a.txt");
    EXPECT_TRUE(revert.err.contains("restored 3 of 4 items"));
}

TEST_F(RevertCommandTest, NothingIsRevertedWithoutAYes) {
    ASSERT_EQ(renameAll().status, 0);
    const CliRun noTerminal = runCliProgram({"revert"});
    EXPECT_EQ(noTerminal.status, 2);
    EXPECT_TRUE(noTerminal.err.contains("pass --yes")) << noTerminal.err;

    QString errors;
    EXPECT_EQ(revertAnswering("n\n", &errors), 2);
    EXPECT_TRUE(errors.contains("Revert the rename run started")) << errors;
    EXPECT_TRUE(errors.contains("which ended, moving back up to 4 items? [y/N]")) << errors;
    EXPECT_EQ(revertAnswering("", &errors), 2) << "no answer is no";
    EXPECT_EQ(content("12-a.txt"), "21-a.txt");

    EXPECT_EQ(revertAnswering("yes\n", &errors), 0);
    EXPECT_TRUE(everyFileIsBack());
}

TEST_F(RevertCommandTest, InterruptedRunIsReportedByPreviewAndReverted) {
    const QByteArray from = QFile::encodeName(dir.filePath("12-a.txt"));
    const QByteArray to = QFile::encodeName(dir.filePath("99-a.txt"));
    {
        // A run that died right after its first move, before confirming it.
        auto journal = RunJournal::begin({{from, to}}, nullptr);
        ASSERT_TRUE(journal);
        ASSERT_TRUE(journal->willMove({from, to}));
        ASSERT_TRUE(NoClobberMove::move(from, to));
    }
    const QString steps = writeStepsFile(dir.path(), {kSwapFirstTwo});
    const CliRun preview = runCliInProcess({"preview", "--steps", steps, dir.filePath("21-a.txt")});
    EXPECT_EQ(preview.status, 0);
    EXPECT_TRUE(preview.err.contains(QRegularExpression(
        "^warning: a rename run started .* was interrupted \\(its journal is .*\\); run "
        "`torvane-cli finish` to close it as it stands or `torvane-cli revert` to undo it\n$")))
        << preview.err;

    const CliRun revert = runCliInProcess({"revert", "--yes"});
    EXPECT_EQ(revert.status, 0) << revert.err;
    EXPECT_EQ(content("12-a.txt"), "12-a.txt");
    EXPECT_FALSE(QFile::exists(dir.filePath("99-a.txt")));
    EXPECT_EQ(runCliInProcess({"preview", "--steps", steps, dir.filePath("21-a.txt")}).err, "");
}

TEST_F(RevertCommandTest, DamagedJournalIsNamedAndNothingMoves) {
    ASSERT_EQ(renameAll().status, 0);
    const QString journal = JournalStore::journalPaths().value(0);
    QFile file(journal);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.write("x");
    file.close();

    const CliRun revert = runCliInProcess({"revert", "--yes"});
    EXPECT_EQ(revert.status, 1);
    EXPECT_TRUE(revert.err.startsWith("torvane-cli revert: cannot read the run journal " + journal +
                                      ": its header is damaged\n(move a damaged journal out of"))
        << revert.err;
    EXPECT_EQ(content("12-a.txt"), "21-a.txt");
}

// A change of letter case cut between its two halves: the item is under its temporary name.
TEST_F(RevertCommandTest, FinishGivesAnItemLeftUnderATemporaryNameItsNewName) {
    dir.makeFile("ab.txt", "ab");
    const QByteArray from = QFile::encodeName(dir.filePath("ab.txt"));
    const QByteArray temporary = QFile::encodeName(dir.filePath("com.quorlix.tvt 7.txt"));
    const QByteArray to = QFile::encodeName(dir.filePath("AB.txt"));
    QString journalPath;
    {
        auto journal = RunJournal::begin({{from, to}}, nullptr);
        ASSERT_TRUE(journal);
        JournalMove firstHalf{from, temporary};
        firstHalf.finalTarget = to;
        ASSERT_TRUE(journal->willMove(firstHalf));
        ASSERT_TRUE(NoClobberMove::move(from, temporary));
        ASSERT_TRUE(journal->didMove(firstHalf));
        journalPath = journal->path();
    }
    const QList<QByteArray> before = sortedContents();

    const CliRun finish = runCliInProcess({"finish"});
    EXPECT_EQ(finish.status, 0) << finish.err;
    EXPECT_EQ(finish.lines(),
              QStringList({"finished " + journalPath + ": 1 of 1 planned renames made",
                           "  moved on " + dir.filePath("com.quorlix.tvt 7.txt") + " -> " +
                               dir.filePath("AB.txt")}));
    EXPECT_EQ(content("AB.txt"), "ab");
    EXPECT_FALSE(QFile::exists(dir.filePath("com.quorlix.tvt 7.txt")));
    EXPECT_EQ(sortedContents(), before);
    EXPECT_TRUE(JournalRecovery::openJournals().isEmpty());

    const CliRun again = runCliInProcess({"finish", "--json"});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, "");
    EXPECT_EQ(again.err, "torvane-cli finish: nothing to finish\n");

    // The finished run is reverted step by step.
    const CliRun revert = runCliInProcess({"revert", "--yes"});
    EXPECT_EQ(revert.status, 0) << revert.err;
    EXPECT_EQ(content("ab.txt"), "ab");
    EXPECT_EQ(sortedContents(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).filter("quorlix"), QStringList());
}

TEST_F(RevertCommandTest, FinishReportsInJsonAndRefusesUnknownOptions) {
    const QByteArray from = QFile::encodeName(dir.filePath("12-a.txt"));
    const QByteArray to = QFile::encodeName(dir.filePath("99-a.txt"));
    {
        // Died after announcing its only move, before making it.
        auto journal = RunJournal::begin({{from, to}}, nullptr);
        ASSERT_TRUE(journal);
        ASSERT_TRUE(journal->willMove({from, to}));
    }
    const CliRun finish = runCliInProcess({"finish", "--json"});
    EXPECT_EQ(finish.status, 0) << finish.err;
    const QList<QJsonObject> lines = finish.jsonLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0]["outcome"].toString(), "finished");
    EXPECT_EQ(lines[0]["renamesMade"].toString(), "1");
    EXPECT_EQ(lines[0]["completed"].toString(),
              dir.filePath("12-a.txt") + " -> " + dir.filePath("99-a.txt"));
    EXPECT_TRUE(lines[0]["problem"].isNull());
    EXPECT_EQ(content("99-a.txt"), "12-a.txt");

    const CliRun wrong = runCliInProcess({"finish", "--yes"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.err.startsWith("torvane-cli finish: unknown option: --yes")) << wrong.err;
}

TEST_F(RevertCommandTest, AChangeOfLetterCaseIsOneLineBack) {
    const QVariantMap upperCaseName{{"Task", 2}, {"Rename: Change Case: Name", 1}};
    const QString steps = writeStepsFile(dir.path(), {upperCaseName});
    const CliRun rename =
        runCliInProcess({"rename", "--yes", "--steps", steps, dir.filePath("34-a.txt")});
    ASSERT_EQ(rename.status, 0) << rename.err;
    ASSERT_EQ(content("34-A.txt"), "34-a.txt");

    // On disk the item went through a temporary name both ways; people see one move back.
    QString errors;
    EXPECT_EQ(revertAnswering("n\n", &errors), 2);
    EXPECT_TRUE(errors.contains("moving back up to 1 items? [y/N]")) << errors;
    const CliRun revert = runCliInProcess({"revert", "--yes"});
    EXPECT_EQ(revert.status, 0) << revert.err;
    EXPECT_EQ(revert.lines(), QStringList{"restored " + dir.filePath("34-A.txt") + " -> " +
                                          dir.filePath("34-a.txt")});
    EXPECT_TRUE(revert.err.contains("restored 1 of 1 items")) << revert.err;
    EXPECT_EQ(content("34-a.txt"), "34-a.txt");
}

TEST(JoinedThroughTemporaryNames, StepsThatWereNotAllMadeStayApart) {
    using JournalRecovery::UndoItem;
    const UndoItem intoTemporary{{"/f/A.txt", "/f/com.quorlix.tvt 7.txt"}, true, {}};
    const UndoItem outOfTemporary{{"/f/com.quorlix.tvt 7.txt", "/f/a.txt"}, true, {}};
    const UndoItem plain{{"/f/x", "/f/y"}, true, {}};
    const QList<UndoItem> joined =
        JournalRecovery::joinedThroughTemporaryNames({intoTemporary, outOfTemporary, plain});
    ASSERT_EQ(joined.size(), 2);
    EXPECT_EQ(joined[0].back.from, "/f/A.txt");
    EXPECT_EQ(joined[0].back.to, "/f/a.txt");
    EXPECT_EQ(joined[1].back.to, "/f/y");

    // The second half skipped: the item is left under the temporary name, which must show.
    UndoItem skipped = outOfTemporary;
    skipped.restored = false;
    skipped.reason = "taken";
    EXPECT_EQ(JournalRecovery::joinedThroughTemporaryNames({intoTemporary, skipped}).size(), 2);
    // A move back that merely ends where the next begins, without a temporary name, stays.
    EXPECT_EQ(JournalRecovery::joinedThroughTemporaryNames(
                  {UndoItem{{"/f/b", "/f/c"}, true, {}}, UndoItem{{"/f/c", "/f/d"}, true, {}}})
                  .size(),
              2);
}

}  // namespace
