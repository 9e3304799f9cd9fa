#include "journal/PlanProgress.h"

PlanProgress::PlanProgress(const QList<JournalMove> &planned) : planned_(planned) {
    placeOf_.reserve(planned.size());
    // Each step touches two paths; most runs make one step per planned move.
    touched_.reserve(2 * planned.size());
    // Without its identity, an item could not be found again by recovery.
    for (qsizetype place = 0; place < planned.size(); ++place)
        if (planned[place].device != 0 || planned[place].inode != 0)
            placeOf_.insert(planned[place].from, place);
}

std::optional<qsizetype> PlanProgress::step(const JournalMove &step) {
    // The Trash takes occupants only, never an item on its way to a planned name.
    if (step.kind == JournalMove::Kind::Trash) return std::nullopt;
    // Whether an insertion found its path new tells what isTouched would, without a look more.
    const auto isNew = [this](const QByteArray &path) {
        const qsizetype before = touched_.size();
        touched_.insert(path);
        return touched_.size() != before;
    };
    const bool fromIsNew = isNew(step.from);
    const bool toIsNew = isNew(step.to);
    if (!step.finalTarget.isEmpty()) touched_.insert(step.finalTarget);
    const auto place = placeOf_.constFind(step.from);
    const bool asPlanned = step.kind == JournalMove::Kind::Move && step.finalTarget.isEmpty() &&
                           place != placeOf_.constEnd() && planned_.at(*place).to == step.to &&
                           fromIsNew && toIsNew;
    return asPlanned ? std::optional<qsizetype>(*place) : std::nullopt;
}

bool PlanProgress::isTouched(const JournalMove &planned) const {
    return touched_.contains(planned.from) || touched_.contains(planned.to);
}
