#include "journal/RunJournal.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <atomic>

#include "common/HelperThread.h"
#include "common/Log.h"
#include "journal/JournalFile.h"
#include "journal/JournalFormat.h"
#include "journal/JournalStore.h"
#include "journal/PlanPieces.h"
#include "journal/PlanProgress.h"

struct RunJournal::Private {
    int descriptor = -1;
    QString path;
    // The end of the whole records, where the next one goes.
    qint64 length = 0;
    qint64 intentCount = 0;
    // The move announced last and not yet confirmed, and whether the plan covers it.
    std::optional<JournalMove> pending;
    bool pendingCovered = false;
    // Records of covered moves not written yet: they go to the disk a batch at a time, or
    // ahead of the next record that must be there before its step.
    QByteArray unwritten;
    bool closed = false;
    // A write could not be taken back or a flush failed: nothing more may be claimed.
    bool broken = false;
    // A rename run's plan, whose moves made as planned are recorded without a flush.
    std::optional<PlanProgress> plan;
    QString error;
    // Removes old journals while the run goes on, so that it never waits for them.
    // Joined when the journal goes.
    HelperThread pruner;
};

namespace {

// Records of covered moves are held until they take this many bytes (some six hundred moves).
constexpr qsizetype kHeldBytes = 64 * 1024;

// Plans from this many moves are worth a thread more.
constexpr qsizetype kPlanOnThreadsFrom = 1024;

// Numbers journals started by this process, so that two started in the same millisecond
// get different names without a retry.
std::atomic<int> journalsStarted{0};

QByteArray headerLine(const QString &undonePath, qint64 plannedCount) {
    QByteArrayList fields{
        JournalFormat::headerKind,
        JournalFormat::version,
        undonePath.isEmpty() ? JournalFormat::runJournal : JournalFormat::undoJournal,
        QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toLatin1(),
        QByteArray::number(QCoreApplication::applicationPid()),
        QByteArray::number(plannedCount)};
    if (!undonePath.isEmpty())
        fields << JournalFormat::encodeBytes(QFile::encodeName(QFileInfo(undonePath).fileName()));
    return JournalFormat::line(fields);
}

// Writes the header and the plan, a piece at a time.
bool writePlan(JournalFile::Draft &draft, const QByteArray &header,
               const QList<JournalMove> &planned, QString *problem) {
    PlanPieces pieces(header, planned);
    return pieces.writeAll([&](QByteArrayView piece) { return draft.write(piece, problem); });
}

// Appends the intent of a step, numbered `sequence`; a planned move made as planned by its
// place in the plan.
void writeIntent(QByteArray &line, const JournalMove &move, qint64 sequence,
                 std::optional<qsizetype> place) {
    if (place) {
        JournalFormat::RecordWriter(line, JournalFormat::asPlannedKind)
            .number(sequence)
            .number(*place)
            .end();
        return;
    }
    const bool isTrash = move.kind == JournalMove::Kind::Trash;
    const char *kind = isTrash                                   ? JournalFormat::trashKind
                       : move.kind == JournalMove::Kind::Restore ? JournalFormat::restoreKind
                                                                 : JournalFormat::intentKind;
    JournalFormat::RecordWriter record(line, kind);
    record.number(sequence).bytes(move.from);
    // The Trash step names its item by identity: where it lands is known only afterwards.
    if (isTrash)
        record.number(move.device).number(move.inode);
    else
        record.bytes(move.to);
    if (move.kind == JournalMove::Kind::Move && !move.finalTarget.isEmpty())
        record.bytes(move.finalTarget);
    record.end();
}

// Whether the move is the one announced: a step to the Trash was announced without its place
// there.
bool isAnnounced(const std::optional<JournalMove> &pending, const JournalMove &move) {
    if (!pending) return false;
    if (move.kind != JournalMove::Kind::Trash) return *pending == move;
    JournalMove announced = move;
    announced.to.clear();
    return *pending == announced;
}

bool hasEmptyPath(const QList<JournalMove> &moves) {
    return std::any_of(moves.begin(), moves.end(), [](const JournalMove &move) {
        return move.from.isEmpty() || move.to.isEmpty();
    });
}

}  // namespace

std::unique_ptr<RunJournal> RunJournal::begin(const QList<JournalMove> &planned, QString *error) {
    return beginUndo(QString(), planned, error);
}

std::unique_ptr<RunJournal> RunJournal::beginUndo(const QString &undonePath,
                                                  const QList<JournalMove> &planned,
                                                  QString *error) {
    QString problem;
    if (hasEmptyPath(planned)) problem = QStringLiteral("a planned move has an empty path");
    const int first = journalsStarted.fetch_add(1);
    const bool isUndo = !undonePath.isEmpty();
    std::unique_ptr<RunJournal> journal(new RunJournal);
    journal->d = std::make_unique<Private>();
    Private &d = *journal->d;
    if (problem.isEmpty()) {
        // A long plan's progress table is made on a thread of its own while the plan is
        // written and flushed: most of its time goes to fresh memory, not to a processor.
        HelperThread progressMaker;
        if (planned.size() >= kPlanOnThreadsFrom)
            progressMaker = HelperThread([&] { d.plan.emplace(planned); });
        else
            d.plan.emplace(planned);
        JournalFile::Draft draft(JournalStore::folder());
        if (writePlan(draft, headerLine(undonePath, planned.size()), planned, &problem)) {
            d.descriptor = draft.publish(
                [&](int attempt) { return JournalStore::journalFileName(isUndo, first + attempt); },
                &d.path, &problem);
            d.length = draft.length();
        }
        if (progressMaker.joinable()) progressMaker.join();
    }
    if (d.descriptor < 0) {
        Log::line(QStringLiteral("[Journal] %1").arg(problem));
        if (error) *error = problem;
        return nullptr;
    }
    d.pruner = HelperThread([] { JournalStore::prune(); });
    return journal;
}

std::unique_ptr<RunJournal> RunJournal::resume(const QString &path, QString *error) {
    QString problem;
    const int descriptor = JournalFile::openLocked(path, &problem);
    Journal content;
    // Read under the lock: what is read is what the journal holds.
    const bool usable = descriptor >= 0 && JournalStore::read(path, &content, &problem) &&
                        JournalFile::truncate(descriptor, path, content.validLength, &problem);
    if (usable && content.summary.closed)
        problem = QStringLiteral("the run journal %1 is closed already").arg(path);
    if (!problem.isEmpty()) {
        if (descriptor >= 0) ::close(descriptor);
        if (error) *error = problem;
        return nullptr;
    }
    std::unique_ptr<RunJournal> journal(new RunJournal);
    journal->d = std::make_unique<Private>();
    journal->d->descriptor = descriptor;
    journal->d->path = path;
    journal->d->length = content.validLength;
    journal->d->intentCount = content.intentCount;
    journal->d->pending = content.inFlight;
    return journal;
}

bool RunJournal::markUndone(const QString &path, const QString &undoJournalPath, QString *error) {
    QString problem;
    const int descriptor = JournalFile::openLocked(path, &problem);
    Journal content;
    const bool readable = descriptor >= 0 && JournalStore::read(path, &content, &problem);
    if (readable && (!content.summary.closed || content.summary.undone))
        problem = QStringLiteral("the run journal %1 is %2")
                      .arg(path, content.summary.undone ? "undone already" : "not closed");
    bool broken = false;
    qint64 length = content.validLength;
    const QByteArray line = JournalFormat::line(
        {JournalFormat::undoneKind,
         JournalFormat::encodeBytes(QFile::encodeName(QFileInfo(undoJournalPath).fileName()))});
    const bool marked =
        problem.isEmpty() && JournalFile::truncate(descriptor, path, length, &problem) &&
        JournalFile::append(descriptor, path, &length, line, true, &broken, &problem);
    if (descriptor >= 0) ::close(descriptor);
    if (!marked && error) *error = problem;
    return marked;
}

RunJournal::~RunJournal() {
    if (!d || d->descriptor < 0) return;
    // Without end() the journal stays unfinished, as after a crash: recovery will look at it.
    // A completion still held is written all the same; it only spares recovery a look.
    if (!d->unwritten.isEmpty() && !d->broken) append(QByteArray(), false);
    ::close(d->descriptor);
}

// A template, not a std::function: a run holds a record for every move, and the writer
// captures more than a std::function keeps without an allocation.
template <typename WriteLine>
bool RunJournal::hold(const WriteLine &writeLine) {
    if (d->closed || d->broken) {
        QByteArray line;
        writeLine(line);
        return append(line, false);
    }
    // Written straight after the records held before it: a run holds one for every move.
    const qsizetype before = d->unwritten.size();
    writeLine(d->unwritten);
    if (d->unwritten.size() < kHeldBytes || append(QByteArray(), false)) return true;
    // The step will not be made, so its record may never reach the disk after all.
    d->unwritten.truncate(before);
    return false;
}

bool RunJournal::willMove(const JournalMove &move) {
    const bool isTrash = move.kind == JournalMove::Kind::Trash;
    if (move.from.isEmpty() || (!isTrash && move.to.isEmpty())) {
        d->error = QStringLiteral("a move has an empty path");
        return false;
    }
    // The plan on disk covers a planned move made as planned: recovery finds it from the disk
    // should its records be lost, so they wait for a batch. Every other step is on disk, with
    // everything held before it, before it is made.
    const std::optional<qsizetype> place = d->plan ? d->plan->step(move) : std::nullopt;
    const bool covered = place.has_value();
    const qint64 sequence = d->intentCount + 1;
    if (covered) {
        const qsizetype at = *place;
        if (!hold([&](QByteArray &line) { writeIntent(line, move, sequence, at); })) return false;
    } else {
        QByteArray line;
        writeIntent(line, move, sequence, std::nullopt);
        if (!append(line, true)) return false;
    }
    ++d->intentCount;
    d->pending = move;
    d->pendingCovered = covered;
    if (isTrash) d->pending->to.clear();
    return true;
}

bool RunJournal::didMove(const JournalMove &move) {
    const bool isTrash = move.kind == JournalMove::Kind::Trash;
    if (!isAnnounced(d->pending, move)) {
        d->error = QStringLiteral("a move was confirmed that was not announced last");
        Log::line(QStringLiteral("[Journal] %1: %2").arg(d->path, d->error));
        return false;
    }
    // Not flushed here: the next intent or the closing record takes it to the disk, and a
    // completion lost in a crash only leaves the move for recovery to decide from the disk.
    const auto writeLine = [&](QByteArray &line) {
        JournalFormat::RecordWriter record(line, JournalFormat::doneKind);
        record.number(d->intentCount);
        // Where the item went in the Trash.
        if (isTrash && !move.to.isEmpty()) record.bytes(move.to);
        record.end();
    };
    if (d->pendingCovered) {
        // Recovery finds a covered move from the disk as long as its completion is missing,
        // so it can wait for the next record's write.
        writeLine(d->unwritten);
        d->pending.reset();
        return true;
    }
    QByteArray line;
    writeLine(line);
    if (!append(line, false)) {
        // The step happened but the journal cannot say so. A closing record written now (it
        // may still fit where the completion did not) would let readers take the step for
        // one that never happened: the journal stays unfinished, and recovery decides from
        // the disk.
        d->broken = true;
        return false;
    }
    d->pending.reset();
    return true;
}

bool RunJournal::end() {
    // The held completion goes in the same write: the journal is never closed without it.
    if (!append(JournalFormat::line({JournalFormat::closedKind}), true)) return false;
    d->closed = true;
    d->pending.reset();
    ::close(d->descriptor);
    d->descriptor = -1;
    if (d->pruner.joinable()) d->pruner.join();
    return true;
}

QString RunJournal::path() const { return d->path; }

std::optional<JournalMove> RunJournal::inFlight() const { return d->pending; }

QString RunJournal::errorString() const { return d->error; }

bool RunJournal::append(const QByteArray &line, bool sync) {
    if (d->closed || d->broken) {
        d->error = QStringLiteral("the run journal %1 is %2")
                       .arg(d->path, d->closed ? "closed" : "no longer writable");
        return false;
    }
    // A held completion precedes the record in one write; a write that fails is cut off
    // whole, so the completion stays held for the next attempt.
    const QByteArray records = d->unwritten.isEmpty() ? line : d->unwritten + line;
    if (JournalFile::append(d->descriptor, d->path, &d->length, records, sync, &d->broken,
                            &d->error)) {
        d->unwritten.clear();
        return true;
    }
    Log::line(QStringLiteral("[Journal] %1").arg(d->error));
    return false;
}
