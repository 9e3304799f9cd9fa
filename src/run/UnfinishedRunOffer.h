#pragma once

#include <QList>
#include <QString>

#include "interaction/ZKUserInteraction.h"
#include "journal/JournalRecovery.h"

// The offer, at the start of the application or of a command, to finish or undo the rename
// runs that died half-way (their journals were never closed).
namespace UnfinishedRunOffer {

// What the user chose for one interrupted journal.
enum class Choice {
    Finish,  // close the run as it stands (JournalRecovery::finish); for an undo: undo on
    Undo,    // take every item of the run back to its old name (JournalRecovery::undo)
    Later,   // leave it as it is; it is offered again at the next start
};

struct Result {
    // The journal offered (for an interrupted undo, the undo's own journal).
    JournalSummary journal;
    Choice choice = Choice::Later;
    // The finish or undo did all it was to do (always false for Later).
    bool succeeded = false;
    // What the outcome alert said (its informative text).
    QString report;
};

// The planned moves of a journal whose item reached its planned path.
qsizetype plannedMovesMade(const Journal &journal);

// The alert that offers one journal: message naming the run (when it started, how many of
// its planned moves were made), buttons "Finish Run", "Undo Run", "Later" (for an
// interrupted undo: "Finish Undoing", "Later").
ZKAlert offerAlert(const Journal &journal);

// CONTRACT (the application calls this once at launch, before the user can start a rename
// run; the command line before `preview` and `rename` on a terminal):
//   - Finds the journals of rename runs and undos whose process died without closing them
//     (JournalRecovery::openJournals; a journal still written by a live process is never
//     touched), newest first.
//   - For each, asks with user.runAlert(offerAlert(...)), then finishes, undoes or leaves it,
//     and tells the outcome with one more user.runAlert (a single button "OK"; Critical when
//     something was left undone). Nothing is asked when there is no interrupted journal.
//   - Journals that cannot be read are reported in one alert (button "OK") and left alone.
//   - Never replaces or deletes a file; runs synchronously on the calling thread and blocks
//     while the alerts are open; must not be called while this process runs a rename.
// Answers one result per journal offered, in the order asked (empty when none was open).
QList<Result> offerToFinishOrUndo(ZKUserInteraction &user);

}  // namespace UnfinishedRunOffer
