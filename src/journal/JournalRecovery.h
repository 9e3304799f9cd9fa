#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "journal/JournalStore.h"
#include "journal/RunJournal.h"

// Recovery of rename runs from their journals: what happened to a move that was under way
// when a run died, closing such a run, and undoing a run (completed or not).
namespace JournalRecovery {

// The fate of a move announced and never confirmed, as the disk shows it. Moves never
// replace anything, so: source gone and target there, it happened; source still there, it did
// not (whether the target is there or not); neither there, or either unreadable, and nobody
// can tell where the item went.
// An item sent to the Trash: it is still where it was (same device and inode), it did not
// happen; it is found in the Trash (*placeInTrash), it happened; neither, lost track.
enum class Outcome { Happened, NotHappened, LostTrack };

Outcome decide(const JournalMove &move, QByteArray *placeInTrash = nullptr);

// Unfinished journals whose process is gone, newest first. Journals that cannot be read are
// left out and their errors added to *errors.
QList<JournalSummary> openJournals(QStringList *errors = nullptr);

// The newest closed run journal that moved something and was not undone.
std::optional<JournalSummary> lastClosedJournal(QString *error = nullptr);

// The run to undo: the newest unfinished run (for an interrupted undo, the run it was
// undoing), else lastClosedJournal(). None without *error when there is nothing to undo;
// none with *error when a journal that might be the one cannot be read.
std::optional<QString> journalToUndo(QString *error);

struct FinishReport {
    std::optional<JournalMove> inFlight;
    Outcome outcome = Outcome::NotHappened;
    // The in-flight move had not happened and was made now.
    bool completed = false;
    // An item the run left under a temporary name (a change of letter case cut in two), taken
    // on now to the name it was on its way to, or else back to the name it had.
    std::optional<JournalMove> movedOn;
    // Why the in-flight move was left as it is, or why the journal could not be closed.
    QString problem;
};

// Ends an unfinished journal whose process died. Planned moves no record speaks of are
// recorded when the disk shows their item (by device and inode) at its target and no longer
// where it was. The in-flight move, when it had not
// happened and its source is still there and its target free, is made now (the rest of the
// run cannot be, without its steps) -- except a move to a temporary name or an occupant's way
// to the Trash, which would only serve the next step. An item left under a temporary name is
// taken on to its new name, or back to its old one when that is taken. Then the journal is
// closed, ready for an undo. False when the journal cannot be read, resumed or closed
// (report->problem says why). For an interrupted undo, undo() of its run finishes it.
bool finish(const QString &path, FinishReport *report);

// One move back of an undo.
struct UndoItem {
    // From where the item is after the run to where it was before.
    JournalMove back;
    bool restored = false;
    // Why it was not moved back.
    QString reason;
};

// The moves back as people think of them: an item that went back through a temporary name
// (a change of letter case) is one move from where it was to where it is again. Steps of
// which one was not made stay apart, so that an item left under a temporary name shows.
QList<UndoItem> joinedThroughTemporaryNames(const QList<UndoItem> &items);

struct UndoReport {
    QString journalPath;
    // The moves back in the order they were made; moves made by an earlier, interrupted undo
    // of the same run count as restored.
    QList<UndoItem> items;
    // Why the undo could not start or had to stop (a journal unreadable or unwritable).
    QString error;

    // Every item is back under its old name.
    bool isComplete() const;
};

// Undoes a run: every step that happened (the in-flight one included when the disk shows it
// happened) is made back, newest first, without ever replacing anything: moves go back, and
// occupants sent to the Trash come back from it to their path once the renamed item left it.
// A move back whose item is gone or whose old path is taken is skipped and reported, and so
// is every later move back of the item it was to bring back. The undo keeps its own
// journal, so an undo that dies can be taken up again by undoing the same run; the run's
// journal is marked undone at the end.
UndoReport undo(const QString &path);

}  // namespace JournalRecovery
