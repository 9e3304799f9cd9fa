#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <cstdio>

#include "cli/UnfinishedJournalReport.h"
#include "journal/JournalRecovery.h"
#include "journal/JournalStore.h"
#include "journal/RunJournal.h"
#include "platform/NoClobberMove.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"
#include "support/TreeContents.h"

// preview and rename on a terminal: the offer to finish or undo an interrupted run is asked
// there (answers typed on standard input).

namespace {

class UnfinishedRunOfferCliTest : public testing::Test {
protected:
    void SetUp() override {
        for (const QString &path : JournalStore::journalPaths()) QFile::remove(path);
        dir.makeFile("ab.txt", "ab");
        dir.makeFile("cd.txt", "cd");
        // A run that made "cd.txt" -> "CD.txt" and died half-way through "ab.txt" -> "AB.txt"
        // (the item is under its temporary name).
        const QByteArray ab = QFile::encodeName(dir.filePath("ab.txt"));
        const QByteArray cd = QFile::encodeName(dir.filePath("cd.txt"));
        const QByteArray temporary = QFile::encodeName(dir.filePath("com.quorlix.tvt 3.txt"));
        auto journal = RunJournal::begin({{cd, QFile::encodeName(dir.filePath("CD.txt"))},
                                          {ab, QFile::encodeName(dir.filePath("AB.txt"))}},
                                         nullptr);
        ASSERT_TRUE(journal);
        const JournalMove made{cd, QFile::encodeName(dir.filePath("CD.txt"))};
        ASSERT_TRUE(journal->willMove(made));
        ASSERT_TRUE(NoClobberMove::move(made.from, made.to));
        ASSERT_TRUE(journal->didMove(made));
        JournalMove half{ab, temporary};
        half.finalTarget = QFile::encodeName(dir.filePath("AB.txt"));
        ASSERT_TRUE(journal->willMove(half));
        ASSERT_TRUE(NoClobberMove::move(half.from, half.to));
        contentsBefore = sortedContentsUnder(dir.path());
    }

    void TearDown() override { setUnfinishedJournalOfferInteractive(false); }

    // Runs the check as a command on a terminal would, with `typed` on standard input.
    bool offerWithInput(const QByteArray &typed, QString *errors) {
        FILE *input = std::tmpfile();
        std::fwrite(typed.constData(), 1, size_t(typed.size()), input);
        std::rewind(input);
        const int saved = ::dup(STDIN_FILENO);
        ::dup2(::fileno(input), STDIN_FILENO);
        std::clearerr(stdin);
        setUnfinishedJournalOfferInteractive(true);
        QTextStream err(errors);
        const bool left = reportUnfinishedJournal(err);
        err.flush();
        ::dup2(saved, STDIN_FILENO);
        ::close(saved);
        std::clearerr(stdin);
        std::fclose(input);
        return left;
    }

    TestDir dir;
    QList<QByteArray> contentsBefore;
};

TEST_F(UnfinishedRunOfferCliTest, UndoIsChosenOnTheTerminal) {
    QString errors;
    EXPECT_FALSE(offerWithInput("2\n", &errors)) << errors;
    EXPECT_TRUE(errors.contains("A rename run was interrupted\n")) << errors;
    EXPECT_TRUE(errors.contains("made 1 of its 2 planned renames")) << errors;
    EXPECT_TRUE(errors.contains("  1) Finish Run (default)\n  2) Undo Run\n  3) Later\n"))
        << errors;
    EXPECT_TRUE(errors.contains("The interrupted rename run is undone")) << errors;
    EXPECT_EQ(filesUnder(dir.path()),
              (QMap<QString, QByteArray>{{"ab.txt", "ab"}, {"cd.txt", "cd"}}));
    EXPECT_EQ(sortedContentsUnder(dir.path()), contentsBefore);
    EXPECT_TRUE(JournalRecovery::openJournals().isEmpty());
}

TEST_F(UnfinishedRunOfferCliTest, LaterLeavesTheRunForNextTime) {
    QString errors;
    EXPECT_TRUE(offerWithInput("3\n", &errors)) << errors;
    EXPECT_EQ(sortedContentsUnder(dir.path()), contentsBefore);
    EXPECT_EQ(JournalRecovery::openJournals().size(), 1);

    errors.clear();
    EXPECT_FALSE(offerWithInput("1\n", &errors)) << errors;
    EXPECT_TRUE(errors.contains("The interrupted rename run is finished")) << errors;
    EXPECT_EQ(filesUnder(dir.path()),
              (QMap<QString, QByteArray>{{"AB.txt", "ab"}, {"CD.txt", "cd"}}));
    EXPECT_EQ(sortedContentsUnder(dir.path()), contentsBefore);
}

}  // namespace
