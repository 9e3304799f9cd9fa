#include "journal/PlanProgress.h"

PlanProgress::PlanProgress(const QList<JournalMove> &planned) {
    targetOf_.reserve(planned.size());
    // Each step touches two paths; most runs make one step per planned move.
    touched_.reserve(2 * planned.size());
    // Without its identity, an item could not be found again by recovery.
    for (const JournalMove &move : planned)
        if (move.device != 0 || move.inode != 0) targetOf_.insert(move.from, move.to);
}

bool PlanProgress::step(const JournalMove &step) {
    // The Trash takes occupants only, never an item on its way to a planned name.
    if (step.kind == JournalMove::Kind::Trash) return false;
    const auto planned = targetOf_.constFind(step.from);
    const bool asPlanned = step.kind == JournalMove::Kind::Move && step.finalTarget.isEmpty() &&
                           planned != targetOf_.constEnd() && *planned == step.to &&
                           !isTouched(step);
    touched_.insert(step.from);
    touched_.insert(step.to);
    if (!step.finalTarget.isEmpty()) touched_.insert(step.finalTarget);
    return asPlanned;
}

bool PlanProgress::isTouched(const JournalMove &planned) const {
    return touched_.contains(planned.from) || touched_.contains(planned.to);
}
