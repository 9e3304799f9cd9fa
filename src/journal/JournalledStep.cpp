#include "journal/JournalledStep.h"

namespace JournalledStep {

namespace {

Outcome journalRefused(RunJournal *journal, bool made, QString *error) {
    if (error) *error = journal->errorString();
    return {made, true};
}

}  // namespace

Outcome make(RunJournal *journal, JournalMove &step, DiskInterface &disk,
             const std::function<bool(JournalMove &step, QString *error)> &makeStep,
             QString *error) {
    if (journal && !journal->willMove(step)) return journalRefused(journal, false, error);
    disk.stepReached(step.from, step.to, DiskInterface::StepPhase::Announced);
    if (!makeStep(step, error)) return {false, false};
    disk.stepReached(step.from, step.to, DiskInterface::StepPhase::Made);
    if (journal && !journal->didMove(step)) return journalRefused(journal, true, error);
    disk.stepReached(step.from, step.to, DiskInterface::StepPhase::Recorded);
    return {true, false};
}

}  // namespace JournalledStep
