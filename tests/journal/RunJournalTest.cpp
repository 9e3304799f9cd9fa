#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <zlib.h>

#include <QFile>
#include <QFileInfo>
#include <csignal>

#include "journal/JournalFile.h"
#include "journal/JournalFormat.h"
#include "journal/JournalStore.h"
#include "journal/RunJournal.h"
#include "support/JournalTestSupport.h"
#include "support/QtPrinters.h"

using namespace JournalTestSupport;

namespace {

// Names a file system may hold that text would mangle: bytes that are no UTF-8, a line feed,
// spaces, a name that looks like a record.
const QList<JournalMove> awkwardMoves{
    {QByteArray("/t/caf\xe9.txt"), QByteArray("/t/caf\xc3\xa9.txt")},
    {QByteArray("/t/two\nlines"), QByteArray("/t/one line")},
    {QByteArray("/t/\xff\xfe"), QByteArray("/t/done 1 00000000")},
};

// Lets files of this process grow to `bytes` at most while it lives; writes beyond fail with
// EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes) : signalBefore_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &before_);
        rlimit limit = before_;
        limit.rlim_cur = rlim_t(bytes);
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, signalBefore_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    void (*signalBefore_)(int);
    rlimit before_{};
};

// "/t/<i>" to "/t/<i>x", each with an identity: moves the plan covers.
QList<JournalMove> plannedMovesWithIdentities(int count) {
    QList<JournalMove> planned;
    for (int i = 0; i < count; ++i) {
        JournalMove move{"/t/" + QByteArray::number(i), "/t/" + QByteArray::number(i) + "x"};
        move.device = 1;
        move.inode = quint64(i + 1);
        planned << move;
    }
    return planned;
}

class RunJournalTest : public testing::Test {
protected:
    void SetUp() override { removeAllJournals(); }

    // A journal with the awkward moves planned, the first two made, the third announced.
    QString unfinishedJournal() {
        QString error;
        auto journal = RunJournal::begin(awkwardMoves, &error);
        EXPECT_TRUE(journal) << error;
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(journal->willMove(awkwardMoves[i]));
            if (i < 2) {
                EXPECT_TRUE(journal->didMove(awkwardMoves[i]));
            }
        }
        return journal->path();
    }

    Journal read(const QString &path) {
        Journal journal;
        QString error;
        EXPECT_TRUE(JournalStore::read(path, &journal, &error)) << error;
        return journal;
    }

    QString readError(const QString &path) {
        Journal journal;
        QString error;
        EXPECT_FALSE(JournalStore::read(path, &journal, &error));
        return error;
    }
};

TEST_F(RunJournalTest, RoundTripKeepsEveryByteOfEveryPath) {
    const QString path = unfinishedJournal();
    const Journal journal = read(path);
    EXPECT_EQ(journal.planned, awkwardMoves);
    EXPECT_EQ(journal.done, awkwardMoves.mid(0, 2));
    ASSERT_TRUE(journal.inFlight);
    EXPECT_EQ(*journal.inFlight, awkwardMoves[2]);
    EXPECT_FALSE(journal.summary.closed);
    EXPECT_FALSE(journal.summary.isUndo);
    EXPECT_EQ(journal.validLength, QFileInfo(path).size());

    auto resumed = RunJournal::resume(path, nullptr);
    ASSERT_TRUE(resumed);
    EXPECT_TRUE(resumed->didMove(awkwardMoves[2]));
    EXPECT_TRUE(resumed->end());
    const Journal closed = read(path);
    EXPECT_EQ(closed.done, awkwardMoves);
    EXPECT_FALSE(closed.inFlight);
    EXPECT_TRUE(closed.summary.closed);
}

TEST_F(RunJournalTest, JournalIsPrivateAndLockedWhileItsRunGoes) {
    QString error;
    auto journal = RunJournal::begin(awkwardMoves, &error);
    ASSERT_TRUE(journal) << error;
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(journal->path()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(QFileInfo(journal->path()).path(), JournalStore::folder());

    EXPECT_TRUE(JournalFile::isLocked(journal->path()));
    EXPECT_FALSE(RunJournal::resume(journal->path(), &error));
    EXPECT_TRUE(error.contains("still going")) << error;
    EXPECT_TRUE(journal->end());
    EXPECT_FALSE(JournalFile::isLocked(journal->path()));
    EXPECT_FALSE(journal->willMove(awkwardMoves[0])) << "nothing is written after the end";
}

TEST_F(RunJournalTest, FailedMovesAreNeitherDoneNorInFlight) {
    QString error;
    auto journal = RunJournal::begin(awkwardMoves, &error);
    ASSERT_TRUE(journal) << error;
    EXPECT_TRUE(journal->willMove(awkwardMoves[0]));  // failed: the next one follows
    EXPECT_TRUE(journal->willMove(awkwardMoves[1]));
    EXPECT_FALSE(journal->didMove(awkwardMoves[0])) << "only the move announced last";
    EXPECT_TRUE(journal->didMove(awkwardMoves[1]));
    EXPECT_TRUE(journal->willMove(awkwardMoves[2]));  // failed, then the run ended
    const QString path = journal->path();
    EXPECT_TRUE(journal->end());

    const Journal read = this->read(path);
    EXPECT_EQ(read.done, QList<JournalMove>{awkwardMoves[1]});
    EXPECT_FALSE(read.inFlight);
    EXPECT_TRUE(read.summary.closed);
}

TEST_F(RunJournalTest, TornLastRecordIsIgnoredAndCutOffWhenResumed) {
    const QString path = unfinishedJournal();
    const QByteArray whole = readAll(path);
    const QByteArray next = JournalFormat::line({"closed"});
    // A crash in the middle of an append, and a flush that left a whole line of garbage.
    for (const QByteArray &torn :
         {next.left(next.size() - 3), QByteArray("closed 0000ffff\n"), QByteArray(7, '\0')}) {
        writeAll(path, whole + torn);
        const Journal journal = read(path);
        EXPECT_EQ(journal.done.size(), 2);
        ASSERT_TRUE(journal.inFlight);
        EXPECT_FALSE(journal.summary.closed);
        EXPECT_EQ(journal.validLength, whole.size());
        JournalSummary summary;
        EXPECT_TRUE(JournalStore::readSummary(path, &summary, nullptr));
        EXPECT_FALSE(summary.closed);
    }

    auto resumed = RunJournal::resume(path, nullptr);
    ASSERT_TRUE(resumed);
    EXPECT_TRUE(resumed->end());
    EXPECT_EQ(readAll(path), whole + next);
}

TEST_F(RunJournalTest, DamageBeforeTheLastRecordMakesTheJournalUnreadable) {
    const QString path = unfinishedJournal();
    const QByteArray whole = readAll(path);
    const QList<QByteArray> lines = whole.split('\n');

    QByteArray flipped = whole;
    const qsizetype secondPlan = lines[0].size() + 1 + lines[1].size() + 3;
    flipped[secondPlan] = flipped[secondPlan] ^ 0x01;
    writeAll(path, flipped);
    EXPECT_EQ(readError(path),
              QString("cannot read the run journal %1: line 3 is damaged").arg(path));
    JournalSummary summary;
    QString error;
    EXPECT_FALSE(JournalStore::readSummary(path, &summary, &error));
    EXPECT_FALSE(RunJournal::resume(path, &error));
    EXPECT_EQ(readAll(path), flipped) << "an unreadable journal is left as it is";

    // Records with good checksums in an order no run writes.
    const QByteArray headerAndPlan = whole.left(whole.indexOf("intent"));
    writeAll(path,
             headerAndPlan + JournalFormat::line({"done", "1"}) + JournalFormat::line({"closed"}));
    EXPECT_TRUE(readError(path).endsWith("line 5 is not what can follow the lines before it"));
    writeAll(path, headerAndPlan + JournalFormat::line({"closed"}) +
                       JournalFormat::line({"intent", "1", "YQ==", "Yg=="}) +
                       JournalFormat::line({"closed"}));
    EXPECT_TRUE(readError(path).contains("line 6"));
    writeAll(path, headerAndPlan.left(headerAndPlan.lastIndexOf("plan")));
    EXPECT_TRUE(readError(path).endsWith("its plan is incomplete"));
    writeAll(path, QByteArray(whole).replace("torvane-journal 4", "torvane-journal 5"));
    EXPECT_TRUE(readError(path).contains("damaged")) << "the checksum covers the version";
    writeAll(path, JournalFormat::line({"torvane-journal", "5", "run"}));
    EXPECT_TRUE(readError(path).endsWith("it has version 5, which this Torvane cannot read"));
}

// Journals of the first format (moves only) are still read; the records it did not have are
// refused in it rather than guessed at.
TEST_F(RunJournalTest, FirstFormatIsReadAndKeepsToItsRecords) {
    const QString path = unfinishedJournal();
    const QByteArray whole = readAll(path);
    const QList<QByteArray> lines = whole.split('\n');
    QByteArrayList header;
    ASSERT_TRUE(JournalFormat::parseLine(lines[0], &header));
    header[1] = "1";
    const QByteArray plan = whole.mid(lines[0].size() + 1);
    const QByteArray a = JournalFormat::encodeBytes("/t/a");
    const QByteArray b = JournalFormat::encodeBytes("/t/b");
    const QByteArray firstFormat = JournalFormat::line(header) + plan.left(plan.indexOf("intent")) +
                                   JournalFormat::line({"intent", "1", a, b}) +
                                   JournalFormat::line({"done", "1"});
    writeAll(path, firstFormat + JournalFormat::line({"closed"}));
    const Journal journal = read(path);
    EXPECT_EQ(journal.summary.version, 1);
    EXPECT_EQ(journal.planned, awkwardMoves);
    EXPECT_EQ(journal.done, (QList<JournalMove>{{"/t/a", "/t/b"}}));
    EXPECT_TRUE(journal.summary.closed);

    for (const QByteArrayList &later :
         {QByteArrayList{"trash", "2", a, "1", "2"}, QByteArrayList{"restore", "2", a, b},
          QByteArrayList{"intent", "2", a, b, b}}) {
        writeAll(path, firstFormat + JournalFormat::line(later));
        EXPECT_TRUE(readError(path).endsWith("line 7 is not what can follow the lines before it"))
            << later.join(' ').toStdString();
    }
}

TEST_F(RunJournalTest, TrashStepsKeepTheItemsIdentityAndPlaceInTheTrash) {
    QString error;
    auto journal = RunJournal::begin(awkwardMoves, &error);
    ASSERT_TRUE(journal) << error;
    const JournalMove trash = JournalMove::trash("/t/occupant", 2049, 18446744073709551557ull);
    ASSERT_TRUE(journal->willMove(trash));
    EXPECT_EQ(journal->inFlight(), trash);
    JournalMove placed = trash;
    placed.to = "/home/u/.local/share/Trash/files/occupant.2";
    ASSERT_TRUE(journal->didMove(placed));
    JournalMove temporary{"/t/a", "/t/com.quorlix.tvt 1"};
    temporary.finalTarget = "/t/A";
    ASSERT_TRUE(journal->willMove(temporary));
    ASSERT_TRUE(journal->didMove(temporary));
    ASSERT_TRUE(journal->willMove(JournalMove::restore(placed.to, "/t/occupant")));
    const Journal read = this->read(journal->path());
    EXPECT_EQ(read.summary.version, 4);
    EXPECT_EQ(read.done, (QList<JournalMove>{placed, temporary}));
    EXPECT_EQ(read.inFlight, JournalMove::restore(placed.to, "/t/occupant"));
    EXPECT_TRUE(journal->end());
}

TEST_F(RunJournalTest, UndoJournalNamesTheRunAndMarksItUndone) {
    const QString run = unfinishedJournal();
    QString error;
    EXPECT_FALSE(RunJournal::markUndone(run, "x", &error)) << "only a closed run";
    auto resumed = RunJournal::resume(run, &error);
    ASSERT_TRUE(resumed) << error;
    ASSERT_TRUE(resumed->end());

    auto undo = RunJournal::beginUndo(run, awkwardMoves.mid(0, 1), &error);
    ASSERT_TRUE(undo) << error;
    EXPECT_TRUE(undo->end());
    EXPECT_TRUE(RunJournal::markUndone(run, undo->path(), &error)) << error;
    EXPECT_FALSE(RunJournal::markUndone(run, undo->path(), &error)) << "only once";

    EXPECT_TRUE(read(run).summary.undone);
    EXPECT_TRUE(read(run).summary.closed);
    const Journal undoJournal = read(undo->path());
    EXPECT_TRUE(undoJournal.summary.isUndo);
    EXPECT_EQ(undoJournal.summary.undoneJournal, QFileInfo(run).fileName());
    EXPECT_TRUE(QFileInfo(undo->path()).fileName().startsWith("undo-"));
    EXPECT_EQ(JournalStore::journalPaths(), QStringList({run, undo->path()}));
}

TEST_F(RunJournalTest, PruningKeepsTheNewestAndEveryUnfinishedJournal) {
    const QString unfinished = unfinishedJournal();
    QStringList closed;
    for (int i = 0; i < JournalStore::keptJournals + 4; ++i) {
        auto journal = RunJournal::begin(awkwardMoves, nullptr);
        ASSERT_TRUE(journal);
        closed << journal->path();
        journal->end();
    }
    // Each run prunes the old ones by the time its journal is closed.
    EXPECT_EQ(JournalStore::journalPaths().size(), JournalStore::keptJournals + 1);
    // A journal being started by a process that died before naming it.
    const QString abandoned = JournalStore::folder() + "/.journal-999999999-abcdef";
    writeAll(abandoned, "torvane-journal");

    JournalStore::prune();
    EXPECT_EQ(JournalStore::journalPaths(),
              QStringList{unfinished} + closed.mid(closed.size() - JournalStore::keptJournals));
    EXPECT_FALSE(QFile::exists(abandoned));
}

TEST_F(RunJournalTest, EmptyPathsAreRefused) {
    QString error;
    EXPECT_FALSE(RunJournal::begin({{QByteArray(), "/b"}}, &error));
    EXPECT_FALSE(error.isEmpty());
    auto journal = RunJournal::begin({}, &error);
    ASSERT_TRUE(journal) << error;
    EXPECT_FALSE(journal->willMove({"/a", QByteArray()}));
}

}  // namespace

// A completion that cannot be written (the disk filled up after the intent) must leave the
// journal unfinished, even where the shorter closing record would still fit: a closed journal
// would pass the step off as one that never happened, and an undo would leave the item
// where it went.
TEST_F(RunJournalTest, UnrecordedCompletionKeepsTheJournalOpen) {
    QList<JournalMove> moves;
    for (int i = 0; i < 10; ++i)
        moves.append({"/t/" + QByteArray::number(i), "/t/" + QByteArray::number(i) + "x"});
    QString error;
    auto journal = RunJournal::begin(moves, &error);
    ASSERT_TRUE(journal) << error;
    for (const JournalMove &move : moves.mid(0, 9)) {
        ASSERT_TRUE(journal->willMove(move));
        ASSERT_TRUE(journal->didMove(move));
    }
    ASSERT_TRUE(journal->willMove(moves[9]));
    bool recorded = false, closed = false;
    {
        // Room for "closed <crc>\n" (16 bytes) but not for "done 10 <crc>\n" (17).
        const FileSizeLimit limit(QFileInfo(journal->path()).size() + 16);
        recorded = journal->didMove(moves[9]);
        closed = journal->end();
    }

    EXPECT_FALSE(recorded);
    EXPECT_FALSE(closed);
    Journal content;
    ASSERT_TRUE(JournalStore::read(journal->path(), &content, &error)) << error;
    EXPECT_FALSE(content.summary.closed);
    ASSERT_TRUE(content.inFlight);
    EXPECT_EQ(*content.inFlight, moves[9]);
}

// Held records go to the disk a batch at a time: a long run never keeps more than a batch.
TEST_F(RunJournalTest, HeldRecordsAreWrittenInBatches) {
    const QList<JournalMove> planned = plannedMovesWithIdentities(3000);
    QString error;
    auto journal = RunJournal::begin(planned, &error);
    ASSERT_TRUE(journal) << error;
    for (const JournalMove &move : planned) {
        ASSERT_TRUE(journal->willMove({move.from, move.to}));
        ASSERT_TRUE(journal->didMove({move.from, move.to}));
    }
    const qsizetype onDisk = read(journal->path()).done.size();
    EXPECT_GT(onDisk, 2000);
    EXPECT_LT(onDisk, 3000);
}

// A batch of held records that cannot be written refuses the move whose intent was held last:
// that intent never reaches the file (it would claim a move in flight that was never made),
// while the records before it stay held and go out with the journal's last write.
TEST_F(RunJournalTest, MoveWhoseHeldBatchCannotBeWrittenIsRefusedAndLeftOut) {
    const QList<JournalMove> planned = plannedMovesWithIdentities(3000);
    QString error;
    auto journal = RunJournal::begin(planned, &error);
    ASSERT_TRUE(journal) << error;
    qsizetype refused = -1;
    {
        const FileSizeLimit limit(QFileInfo(journal->path()).size() + 100);
        for (qsizetype place = 0; place < planned.size() && refused < 0; ++place) {
            const JournalMove move{planned[place].from, planned[place].to};
            if (!journal->willMove(move))
                refused = place;
            else if (!journal->didMove(move))
                break;
        }
    }
    ASSERT_GT(refused, 0);

    const QString path = journal->path();
    journal.reset();
    const Journal content = read(path);
    EXPECT_FALSE(content.inFlight);
    EXPECT_EQ(content.done.size(), refused);
    EXPECT_EQ(content.done.last(),
              (JournalMove{planned[refused - 1].from, planned[refused - 1].to}));
}

TEST_F(RunJournalTest, LongPlanIsWrittenWholeAndInOrder) {
    // Pieces of the plan are encoded by two threads, more of them than may wait ahead of the
    // writing: every move must still land once, in its place.
    QList<JournalMove> planned = plannedMovesWithIdentities(12'345);
    for (qsizetype place = 0; place < planned.size(); place += 1000) {
        planned[place] = awkwardMoves[(place / 1000) % awkwardMoves.size()];
        planned[place].from += QByteArray::number(place);
    }
    QString error;
    auto journal = RunJournal::begin(planned, &error);
    ASSERT_TRUE(journal) << error;
    const Journal written = read(journal->path());
    EXPECT_EQ(written.summary.plannedCount, planned.size());
    EXPECT_TRUE(written.planned == planned);
}

// The records of a move made as planned are held and written with the next record that must be
// on disk, so a crash may lose them but never a record after them: the file is always a prefix
// of the records. Held records are written by the closing record and by a journal given up
// without one.
TEST_F(RunJournalTest, HeldCompletionGoesToTheFileWithTheNextRecord) {
    const QList<JournalMove> planned = plannedMovesWithIdentities(3);
    const auto asMade = [](const JournalMove &move) { return JournalMove{move.from, move.to}; };
    QString error;
    auto journal = RunJournal::begin(planned, &error);
    ASSERT_TRUE(journal) << error;
    const QString path = journal->path();
    ASSERT_TRUE(journal->willMove(asMade(planned[0])));
    ASSERT_TRUE(journal->didMove(asMade(planned[0])));
    EXPECT_FALSE(read(path).inFlight) << "the records of a covered move are held";
    EXPECT_TRUE(read(path).done.isEmpty()) << "the records of a covered move are held";
    EXPECT_FALSE(journal->inFlight());

    // A step aside is no planned move: its intent goes to the disk with the held records.
    const JournalMove aside{"/t/1", "/t/1_0"};
    ASSERT_TRUE(journal->willMove(aside));
    Journal content = read(path);
    EXPECT_EQ(content.done, QList<JournalMove>{asMade(planned[0])});
    EXPECT_EQ(content.inFlight, aside);
    ASSERT_TRUE(journal->didMove(aside));
    EXPECT_EQ(read(path).done.size(), 2) << "a step off the plan is recorded at once";

    ASSERT_TRUE(journal->willMove(asMade(planned[2])));
    ASSERT_TRUE(journal->didMove(asMade(planned[2])));
    journal.reset();
    content = read(path);
    EXPECT_EQ(content.done, (QList<JournalMove>{asMade(planned[0]), aside, asMade(planned[2])}));
    EXPECT_FALSE(content.summary.closed);
    EXPECT_FALSE(content.inFlight);

    auto closing = RunJournal::begin(planned, &error);
    ASSERT_TRUE(closing) << error;
    ASSERT_TRUE(closing->willMove(asMade(planned[0])));
    ASSERT_TRUE(closing->didMove(asMade(planned[0])));
    ASSERT_TRUE(closing->end());
    content = read(closing->path());
    EXPECT_TRUE(content.summary.closed);
    EXPECT_EQ(content.done, QList<JournalMove>{asMade(planned[0])});
}

// A move made as planned is recorded by its place in the plan; such a record is read only
// where the journal's version has it and names a place the plan holds.
TEST_F(RunJournalTest, MovesMadeAsPlannedAreRecordedByTheirPlaceInThePlan) {
    const QList<JournalMove> planned = plannedMovesWithIdentities(2);
    QString error;
    auto journal = RunJournal::begin(planned, &error);
    ASSERT_TRUE(journal) << error;
    const QString path = journal->path();
    ASSERT_TRUE(journal->willMove({planned[1].from, planned[1].to}));
    ASSERT_TRUE(journal->didMove({planned[1].from, planned[1].to}));
    ASSERT_TRUE(journal->end());
    const QByteArray whole = readAll(path);
    const QByteArray headerAndPlan = whole.left(whole.indexOf("as-planned"));
    EXPECT_EQ(whole.mid(headerAndPlan.size()), JournalFormat::line({"as-planned", "1", "1"}) +
                                                   JournalFormat::line({"done", "1"}) +
                                                   JournalFormat::line({"closed"}));
    EXPECT_EQ(read(path).done, (QList<JournalMove>{{planned[1].from, planned[1].to}}));

    writeAll(path, headerAndPlan + JournalFormat::line({"as-planned", "1", "2"}));
    EXPECT_TRUE(readError(path).endsWith("line 4 is not what can follow the lines before it"));
    QByteArrayList header;
    ASSERT_TRUE(JournalFormat::parseLine(whole.left(whole.indexOf('\n')), &header));
    header[1] = "3";
    writeAll(path, JournalFormat::line(header) +
                       headerAndPlan.mid(headerAndPlan.indexOf('\n') + 1) +
                       JournalFormat::line({"as-planned", "1", "0"}));
    EXPECT_TRUE(readError(path).endsWith("line 4 is not what can follow the lines before it"));
}

// The summary reads a short window at each end of a journal; a last record longer than that
// window (paths of thousands of bytes) is still found whole.
TEST_F(RunJournalTest, SummaryFindsALastRecordLongerThanItsFirstLook) {
    const QByteArray longName = "/t/" + QByteArray(3000, 'a');
    const QList<JournalMove> moves{{longName, longName + "b"}, {longName + "c", longName + "d"}};
    QString error;
    auto journal = RunJournal::begin(moves, &error);
    ASSERT_TRUE(journal) << error;
    const QString path = journal->path();
    ASSERT_TRUE(journal->willMove(moves[0]));
    JournalSummary summary;
    ASSERT_TRUE(JournalStore::readSummary(path, &summary, &error)) << error;
    EXPECT_FALSE(summary.closed);
    EXPECT_EQ(summary.plannedCount, 2);
    ASSERT_TRUE(journal->didMove(moves[0]));
    ASSERT_TRUE(journal->end());
    ASSERT_TRUE(JournalStore::readSummary(path, &summary, &error)) << error;
    EXPECT_TRUE(summary.closed);

    // A torn tail longer than the short window: the record before it decides.
    writeAll(path, readAll(path) + "intent 2 " + QByteArray(6000, 'Q'));
    ASSERT_TRUE(JournalStore::readSummary(path, &summary, &error)) << error;
    EXPECT_TRUE(summary.closed);
}

// Records written by every version carry the standard CRC-32: the check value, and nothing.
TEST(JournalFormatTest, ChecksumIsTheStandardCrc32) {
    EXPECT_EQ(JournalFormat::crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(JournalFormat::crc32(QByteArray()), 0u);
    // Long records take the folding path on most processors: every length and alignment
    // around its block sizes must give zlib's value.
    QByteArray bytes(1200, Qt::Uninitialized);
    quint32 seed = 12345;
    for (char &byte : bytes) byte = char((seed = seed * 1103515245 + 12345) >> 16);
    for (int offset = 0; offset < 16; offset += 5) {
        for (int length = 0; length + offset <= bytes.size(); length += length < 300 ? 1 : 97) {
            const QByteArrayView data = QByteArrayView(bytes).sliced(offset, length);
            const auto expected = quint32(
                ::crc32_z(0, reinterpret_cast<const Bytef *>(data.data()), size_t(data.size())));
            ASSERT_EQ(JournalFormat::crc32(data), expected) << offset << ' ' << length;
        }
    }
}

// Paths are written by the journal's own encoder; they must read back as standard base64 does.
TEST(JournalFormatTest, PathsAreStandardBase64OfEveryLength) {
    QByteArray bytes;
    for (int length = 0; length < 70; ++length) {
        EXPECT_EQ(JournalFormat::encodeBytes(bytes), bytes.toBase64()) << length;
        bytes += char(length * 37 + 200);
    }
}
