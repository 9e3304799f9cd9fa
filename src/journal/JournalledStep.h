#pragma once

#include <QString>
#include <functional>

#include "journal/RunJournal.h"
#include "platform/DiskInterface.h"

// One step on disk between its two journal records: its intent is recorded first, then the
// step is made, then its completion is recorded. Every move of a run and of its recovery goes
// through here, so recovery can always tell from the journal and the disk where an item is.
namespace JournalledStep {

struct Outcome {
    // The step happened on disk.
    bool made = false;
    // The journal refused a record: before the step (not made) or after it (made).
    bool journalFailed = false;
};

// Makes the step with make (which may fill in where it went, such as the Trash entry) and
// answers what happened. Without a journal only the step is made. *error (nullable) receives
// the journal's error, or whatever make reported. The disk is told every phase.
Outcome make(RunJournal *journal, JournalMove &step, DiskInterface &disk,
             const std::function<bool(JournalMove &step, QString *error)> &makeStep,
             QString *error);

}  // namespace JournalledStep
