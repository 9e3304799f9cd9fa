#include "journal/JournalRecovery.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QScopeGuard>
#include <QSet>
#include <cerrno>
#include <cstring>

#include "common/Log.h"
#include "common/Translations.h"
#include "journal/JournalFile.h"
#include "journal/JournalledStep.h"
#include "journal/PlanProgress.h"
#include "journal/TemporaryNames.h"
#include "platform/FileAttributes.h"
#include "platform/LetterCase.h"
#include "platform/NoClobberMove.h"
#include "platform/Trash.h"

namespace JournalRecovery {

TORVANE_NAMESPACE_TR(JournalRecovery)

namespace {

enum class Presence { Present, Missing, Unknown };

Presence presence(const QByteArray &path, int *errorNumber) {
    struct stat info {};
    if (::lstat(path.constData(), &info) == 0) return Presence::Present;
    *errorNumber = errno;
    return errno == ENOENT || errno == ENOTDIR ? Presence::Missing : Presence::Unknown;
}

QString shown(const QByteArray &path) { return QFile::decodeName(path); }

QString cannotLookAt(const QByteArray &path, int errorNumber) {
    return tr("cannot look at %1: %2")
        .arg(shown(path), QString::fromLocal8Bit(std::strerror(errorNumber)));
}

// On a volume that ignores letter case, a move that changes only the case finds its own
// item at the target. (Two hard links are one item too, but their names are not told
// apart by case alone on a volume that heeds it.)
bool isSameItem(const JournalMove &move) {
    return LetterCase::isSourceApartFromCase(move.from, move.to);
}

// Why the move cannot be made without replacing or inventing anything; "" when it can.
QString obstacle(const JournalMove &move) {
    int errorNumber = 0;
    switch (presence(move.from, &errorNumber)) {
        case Presence::Missing:
            return tr("%1 no longer exists").arg(shown(move.from));
        case Presence::Unknown:
            return cannotLookAt(move.from, errorNumber);
        case Presence::Present:
            break;
    }
    switch (presence(move.to, &errorNumber)) {
        case Presence::Present:
            if (isSameItem(move)) break;
            return tr("%1 is taken by another item").arg(shown(move.to));
        case Presence::Unknown:
            return cannotLookAt(move.to, errorNumber);
        case Presence::Missing:
            break;
    }
    return QString();
}

QString lostTrack(const JournalMove &move) {
    if (move.kind == JournalMove::Kind::Trash)
        return QStringLiteral(
                   "lost track of %1, which was being put in the Trash: it is neither there nor "
                   "in the Trash")
            .arg(shown(move.from));
    return tr("lost track of the item moved from %1 to %2: neither can be seen")
        .arg(shown(move.from), shown(move.to));
}

// What follows a step that happened: an item back from the Trash leaves no info record there.
void afterStep(const JournalMove &step) {
    if (step.kind == JournalMove::Kind::Restore && !Trash::removeInfoRecord(step.from))
        Log::line(QStringLiteral("[Journal] cannot remove the trash info record of %1")
                      .arg(shown(step.from)));
}

// Makes one step of a resumed or new journal between its records; false with *problem when
// it was not made. *journalFailed tells that the step was made but not recorded.
bool journalledStep(RunJournal &journal, JournalMove step, QString *problem, bool *journalFailed) {
    const JournalledStep::Outcome outcome = JournalledStep::make(
        &journal, step, DiskInterface::current(),
        [](JournalMove &move, QString *error) {
            if (!NoClobberMove::move(move.from, move.to, error)) return false;
            afterStep(move);
            return true;
        },
        problem);
    *journalFailed = outcome.journalFailed;
    return outcome.made;
}

// Makes a move that resumed journal announced and did not confirm, when nothing stands in
// its way.
void complete(RunJournal &journal, const JournalMove &move, FinishReport *report) {
    // Sending an occupant to the Trash only made way for a move that will never come, and a
    // move to a temporary name only leads to a name the user does not know: both are left.
    if (move.kind == JournalMove::Kind::Trash) {
        report->problem = QStringLiteral(
                              "%1 was left where it is: the move it was to make way "
                              "for was never made")
                              .arg(shown(move.from));
        return;
    }
    if (!move.finalTarget.isEmpty()) return;
    report->problem = obstacle(move);
    if (report->problem.isEmpty() && NoClobberMove::move(move.from, move.to, &report->problem)) {
        afterStep(move);
        report->completed = journal.didMove(move);
    }
    if (report->completed) report->outcome = Outcome::Happened;
}

// An item left under a temporary name by the last step of the run is taken on to the name it
// was on its way to, or else back to the name it had; false when the journal fails.
bool takeOnStrandedItem(RunJournal &journal, const std::optional<JournalMove> &last,
                        FinishReport *report) {
    int errorNumber = 0;
    if (!last || last->kind != JournalMove::Kind::Move || last->finalTarget.isEmpty() ||
        presence(last->to, &errorNumber) != Presence::Present)
        return true;
    const JournalMove on{last->to, last->finalTarget};
    const JournalMove back{last->to, last->from};
    QString problem = obstacle(on);
    const JournalMove step = problem.isEmpty() ? on : back;
    if (!problem.isEmpty()) problem = obstacle(back);
    bool journalFailed = false;
    if (problem.isEmpty() && journalledStep(journal, step, &problem, &journalFailed))
        report->movedOn = step;
    if (journalFailed) return report->problem = problem, false;
    if (!problem.isEmpty()) {
        const QString left =
            tr("%1 was left under its temporary name: %2").arg(shown(last->to), problem);
        report->problem = report->problem.isEmpty() ? left : report->problem + "; " + left;
    }
    return true;
}

// Whether an untouched planned move was made: its path is empty (nothing can have come there
// since) and its item (by device and inode) is at its target. Anything at its path, even
// another item, says no: an inode number may have been given to a new file.
bool isMadeAsPlanned(const JournalMove &planned) {
    int errorNumber = 0;
    if ((planned.device == 0 && planned.inode == 0) ||
        presence(planned.from, &errorNumber) != Presence::Missing)
        return false;
    const FileAttributes::FileIdentity atTarget = FileAttributes::identity(planned.to);
    return atTarget.valid && atTarget.device == planned.device && atTarget.inode == planned.inode;
}

// Records the planned moves that no record speaks of and that the disk shows made: their
// records went unflushed, so they came after every record that is left. False when the
// journal fails.
bool recordMovesMadeAsPlanned(RunJournal &journal, const Journal &content,
                              std::optional<JournalMove> *last, QString *problem) {
    if (content.summary.version < 3) return true;
    PlanProgress progress;
    for (const JournalMove &step : content.done) progress.step(step);
    if (content.inFlight) progress.step(*content.inFlight);
    for (const JournalMove &planned : content.planned) {
        if (progress.isTouched(planned) || !isMadeAsPlanned(planned)) continue;
        const JournalMove made{planned.from, planned.to};
        if (!journal.willMove(made) || !journal.didMove(made))
            return *problem = journal.errorString(), false;
        *last = made;
    }
    return true;
}

// Records what became of the in-flight move of an unfinished journal and of the planned moves
// no record speaks of (with `completeMove`, making the in-flight move when it had not
// happened) and closes the journal.
bool settle(const QString &path, bool completeMove, FinishReport *report) {
    std::unique_ptr<RunJournal> journal = RunJournal::resume(path, &report->problem);
    if (!journal) return false;
    Journal content;
    if (!JournalStore::read(path, &content, &report->problem)) return false;
    std::optional<JournalMove> last =
        content.done.isEmpty() ? std::nullopt : std::optional<JournalMove>(content.done.last());
    report->inFlight = journal->inFlight();
    if (report->inFlight) {
        JournalMove &inFlight = *report->inFlight;
        QByteArray place;
        report->outcome = decide(inFlight, &place);
        if (inFlight.kind == JournalMove::Kind::Trash) inFlight.to = place;
        if (report->outcome == Outcome::Happened) {
            afterStep(inFlight);
            if (!journal->didMove(inFlight)) return report->problem = journal->errorString(), false;
            last = inFlight;
        }
        if (report->outcome == Outcome::LostTrack) report->problem = lostTrack(inFlight);
    }
    if (!recordMovesMadeAsPlanned(*journal, content, &last, &report->problem)) return false;
    // Made now, so after everything the run made.
    if (report->inFlight && report->outcome == Outcome::NotHappened && completeMove) {
        complete(*journal, *report->inFlight, report);
        if (report->completed) last = *report->inFlight;
    }
    if (completeMove && !takeOnStrandedItem(*journal, last, report)) return false;
    if (journal->end()) return true;
    report->problem = journal->errorString();
    return false;
}

// Closes the interrupted undos of the run journal at `path` and collects the moves back they
// made.
bool settleEarlierUndos(const QString &path, QList<JournalMove> *movedBack, QString *error) {
    const QString name = QFileInfo(path).fileName();
    for (const QString &candidate : JournalStore::journalPaths()) {
        JournalSummary summary;
        if (!JournalStore::readSummary(candidate, &summary, error)) return false;
        if (!summary.isUndo || summary.undoneJournal != name) continue;
        FinishReport settled;
        // Finishing their last move back leaves less to the new undo, and the disk as they
        // left it is what decides that move, not what the new undo will make of it.
        if (!summary.closed && !settle(candidate, true, &settled))
            return *error = settled.problem, false;
        Journal undo;
        if (!JournalStore::read(candidate, &undo, error)) return false;
        *movedBack += undo.done;
    }
    return true;
}

// The steps of a move back: one rename, or two through a temporary name when only the
// letter case changes on a volume that ignores it (as the run itself did).
QList<JournalMove> stepsOf(const JournalMove &back) {
    if (!isSameItem(back)) return {back};
    QByteArray temporary;
    do {
        temporary = TemporaryNames::nextTemporaryPath(back.to);
    } while (FileAttributes::exists(temporary));
    return {{back.from, temporary}, {temporary, back.to}};
}

UndoItem moveBack(const JournalMove &back, RunJournal &journal, QString *error) {
    UndoItem item{back, false, QString()};
    if (back.from.isEmpty()) {
        item.reason = QStringLiteral(
                          "cannot find %1 in the Trash; it can be restored from the "
                          "Trash by hand")
                          .arg(shown(back.to));
        return item;
    }
    item.reason = obstacle(back);
    if (!item.reason.isEmpty()) return item;
    const QList<JournalMove> steps = stepsOf(back);
    for (const JournalMove &step : steps) {
        bool journalFailed = false;
        const bool moved = journalledStep(journal, step, &item.reason, &journalFailed);
        if (journalFailed) *error = item.reason;
        if (!moved) {
            if (journalFailed) item.reason = tr("the undo journal cannot be written");
            if (step != steps.first())
                item.reason = tr("left at %1: %2").arg(shown(step.from), item.reason);
            return item;
        }
        if (!journalFailed) continue;
        // The step happened; the undo stops after it.
        if (step == steps.last()) break;
        item.reason = tr("left at %1: the undo journal cannot be written").arg(shown(step.to));
        return item;
    }
    item.restored = true;
    item.reason.clear();
    return item;
}

// A move back with its item's device and inode, so that the undo journal need not be flushed
// for it (recovery finds it on the disk by them); a step back from the Trash goes without.
JournalMove withIdentity(JournalMove back) {
    if (back.kind != JournalMove::Kind::Move) return back;
    const FileAttributes::FileIdentity identity = FileAttributes::identity(back.from);
    if (!identity.valid) return back;
    back.device = identity.device;
    back.inode = identity.inode;
    return back;
}

// The step that takes back one step of a run: a move the other way, or an item back from
// the Trash (from "" when nobody knows where it is there).
JournalMove backOf(const JournalMove &step) {
    if (step.kind == JournalMove::Kind::Trash) return JournalMove::restore(step.to, step.from);
    return {step.to, step.from};
}

using MoveKey = std::pair<QByteArray, QByteArray>;

// The moves back of a run, newest first, each marked when an earlier undo already made it.
QList<std::pair<JournalMove, bool>> movesBack(const QList<JournalMove> &done,
                                              const QList<JournalMove> &movedBackEarlier) {
    QHash<MoveKey, int> earlier;
    for (const JournalMove &move : movedBackEarlier) ++earlier[{move.from, move.to}];
    QList<std::pair<JournalMove, bool>> moves;
    for (auto move = done.crbegin(); move != done.crend(); ++move) {
        const JournalMove back = backOf(*move);
        int &count = earlier[{back.from, back.to}];
        moves.append({back, count > 0});
        if (count > 0) --count;
    }
    return moves;
}

// Reads the run to undo, first recording (once, on the disk as the crash left it) what
// became of its in-flight move; a move that nobody can find is reported in *report.
bool prepareRun(const QString &path, Journal *run, UndoReport *report) {
    if (!JournalStore::read(path, run, &report->error)) return false;
    if (run->summary.isUndo)
        report->error = tr("%1 records an undo, which cannot be undone").arg(path);
    else if (run->summary.undone)
        report->error = tr("the run of %1 was undone already").arg(path);
    if (!report->error.isEmpty() || run->summary.closed) return report->error.isEmpty();
    FinishReport settled;
    if (!settle(path, false, &settled)) return report->error = settled.problem, false;
    if (settled.outcome == Outcome::LostTrack)
        report->items.append({backOf(*settled.inFlight), false, settled.problem});
    return JournalStore::read(path, run, &report->error);
}

}  // namespace

Outcome decide(const JournalMove &move, QByteArray *placeInTrash) {
    int errorNumber = 0;
    if (move.kind == JournalMove::Kind::Trash) {
        const FileAttributes::FileIdentity identity = FileAttributes::identity(move.from);
        if (identity.valid && identity.device == move.device && identity.inode == move.inode)
            return Outcome::NotHappened;
        const QByteArray place = Trash::find(move.from, move.device, move.inode);
        if (placeInTrash) *placeInTrash = place;
        if (!place.isEmpty()) return Outcome::Happened;
        // Another item where it was, and it is not in the Trash: it was never sent there.
        return presence(move.from, &errorNumber) == Presence::Present ? Outcome::NotHappened
                                                                      : Outcome::LostTrack;
    }
    const Presence from = presence(move.from, &errorNumber);
    const Presence to = presence(move.to, &errorNumber);
    if (from == Presence::Present) return Outcome::NotHappened;
    if (from == Presence::Missing && to == Presence::Present) return Outcome::Happened;
    return Outcome::LostTrack;
}

QList<JournalSummary> openJournals(QStringList *errors) {
    QList<JournalSummary> open;
    const QStringList paths = JournalStore::journalPaths();
    for (auto path = paths.crbegin(); path != paths.crend(); ++path) {
        JournalSummary summary;
        QString error;
        if (!JournalStore::readSummary(*path, &summary, &error)) {
            if (errors) *errors << error;
        } else if (!summary.closed && !JournalFile::isLocked(*path)) {
            open << summary;
        }
    }
    return open;
}

std::optional<JournalSummary> lastClosedJournal(QString *error) {
    const QStringList paths = JournalStore::journalPaths();
    for (auto path = paths.crbegin(); path != paths.crend(); ++path) {
        JournalSummary summary;
        if (!JournalStore::readSummary(*path, &summary, error)) return std::nullopt;
        if (!summary.closed || summary.isUndo || summary.undone) continue;
        Journal journal;
        if (!JournalStore::read(*path, &journal, error)) return std::nullopt;
        // A run that moved nothing has nothing to undo; the one before it may.
        if (!journal.done.isEmpty()) return summary;
    }
    return std::nullopt;
}

std::optional<QString> journalToUndo(QString *error) {
    for (const QString &path : JournalStore::journalPaths()) {
        if (!JournalFile::isLocked(path)) continue;
        *error = QStringLiteral(
                     "a rename run is going on (its journal is %1); "
                     "wait until it ends")
                     .arg(path);
        return std::nullopt;
    }
    QStringList errors;
    const QList<JournalSummary> open = openJournals(&errors);
    if (!errors.isEmpty()) return *error = errors.first(), std::nullopt;
    if (open.isEmpty()) {
        std::optional<JournalSummary> closed = lastClosedJournal(error);
        return closed ? std::optional<QString>(closed->path) : std::nullopt;
    }
    const JournalSummary &newest = open.first();
    if (!newest.isUndo) return newest.path;
    return QFileInfo(newest.path).path() + QLatin1Char('/') + newest.undoneJournal;
}

bool finish(const QString &path, FinishReport *report) {
    const int lock = JournalFile::lockRecovery(JournalStore::folder(), &report->problem);
    if (lock < 0) return false;
    const auto unlock = qScopeGuard([lock] { ::close(lock); });
    return settle(path, true, report);
}

bool UndoReport::isComplete() const {
    return error.isEmpty() && std::all_of(items.begin(), items.end(),
                                          [](const UndoItem &item) { return item.restored; });
}

UndoReport undo(const QString &path) {
    UndoReport report;
    report.journalPath = path;
    const int lock = JournalFile::lockRecovery(JournalStore::folder(), &report.error);
    if (lock < 0) return report;
    const auto unlock = qScopeGuard([lock] { ::close(lock); });
    QList<JournalMove> movedBackEarlier;
    Journal run;
    if (!settleEarlierUndos(path, &movedBackEarlier, &report.error) ||
        !prepareRun(path, &run, &report))
        return report;

    const QList<std::pair<JournalMove, bool>> moves = movesBack(run.done, movedBackEarlier);
    QList<JournalMove> remaining;
    for (const auto &[back, madeEarlier] : moves)
        if (!madeEarlier) remaining << withIdentity(back);
    std::unique_ptr<RunJournal> journal;
    if (!remaining.isEmpty() && !(journal = RunJournal::beginUndo(path, remaining, &report.error)))
        return report;
    // Paths where an item of the run should have come back to and did not: what is there
    // now is not the run's item, and no later move back may take it.
    QSet<QByteArray> notBack;
    for (const auto &[back, madeEarlier] : moves) {
        UndoItem item{back, true, QString()};
        if (madeEarlier)
            ;
        else if (!report.error.isEmpty())
            item = {back, false, tr("the undo had to stop")};
        else if (notBack.contains(back.from))
            item = {back, false, tr("the item was not brought back to %1").arg(shown(back.from))};
        else
            item = moveBack(back, *journal, &report.error);
        if (item.restored)
            notBack.remove(back.to);
        else
            notBack.insert(back.to);
        report.items.append(item);
    }
    if (report.error.isEmpty() && journal && !journal->end()) report.error = journal->errorString();
    if (report.error.isEmpty())
        RunJournal::markUndone(path, journal ? journal->path() : QString(), &report.error);
    return report;
}

QList<UndoItem> joinedThroughTemporaryNames(const QList<UndoItem> &items) {
    QList<UndoItem> joined;
    for (const UndoItem &item : items) {
        UndoItem *previous = joined.isEmpty() ? nullptr : &joined.last();
        if (previous && previous->restored && item.restored &&
            previous->back.to == item.back.from &&
            TemporaryNames::isTemporaryPath(item.back.from)) {
            previous->back.to = item.back.to;
            continue;
        }
        joined.append(item);
    }
    return joined;
}

}  // namespace JournalRecovery
