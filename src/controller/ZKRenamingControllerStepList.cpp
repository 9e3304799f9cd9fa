// Editing the step list: adding, deleting, replacing and reordering steps. The step area of
// the window turns its commands into these calls and follows the list through
// renamerLayoutChanged and renamerSelectionChanged.

#include <QHash>
#include <QSet>

#include "common/UserDefaults.h"
#include "controller/ZKRenamingController.h"
#include "engine/RenamerCollections.h"
#include "engine/ZKRenamer.h"

namespace {

QSet<const ZKRenamer *> identities(const QList<ZKRenamerPtr> &renamers) {
    QSet<const ZKRenamer *> set;
    for (const ZKRenamerPtr &renamer : renamers) set.insert(renamer.get());
    return set;
}

}  // namespace

qsizetype ZKRenamingController::insertionIndexForNewRenamer() const {
    const QSet<const ZKRenamer *> selected = identities(selectedRenamers_);
    for (qsizetype i = renamers_.size() - 1; i >= 0; --i) {
        if (selected.contains(renamers_.at(i).get())) return i + 1;
    }
    return renamers_.size();
}

ZKRenamerPtr ZKRenamingController::addRenamer() {
    const bool hadSelection = !selectedRenamers_.isEmpty();
    ZKRenamerPtr renamer = ZKRenamer::renamerWithArchive(std::nullopt);
    renamer->setRenamingDelegate(this);
    renamers_.insert(insertionIndexForNewRenamer(), renamer);
    updateRenamerLayoutAndRenameNames(true);

    const bool alwaysSelect =
        UserDefaults::standardUserDefaults().boolForKey(alwaysSelectAddedStepsKey);
    if (hadSelection || alwaysSelect) {
        setSelectedRenamers({renamer});
        emit renamerSelectionChanged(false);
    }
    return renamer;
}

bool ZKRenamingController::deleteSelectedRenamers() {
    const QSet<const ZKRenamer *> leaving = identities(selectedRenamers_);
    QList<ZKRenamerPtr> selected;
    for (const ZKRenamerPtr &renamer : std::as_const(renamers_)) {
        if (leaving.contains(renamer.get())) selected.append(renamer);
    }
    if (selected.isEmpty()) {
        ui_->beep();
        return false;
    }
    for (const ZKRenamerPtr &renamer : selected) renamer->pushOnRemovedRenamersStack();
    renamers_.removeIf(
        [&leaving](const ZKRenamerPtr &renamer) { return leaving.contains(renamer.get()); });
    selectedRenamers_.clear();
    updateRenamerLayoutAndRenameNames(true);
    emit renamerSelectionChanged(false);
    return true;
}

bool ZKRenamingController::replaceRenamers(const QList<ZKRenamerPtr> &renamers) {
    if (RenamerCollections::isEqualToRenamers(renamers, renamers_, true)) return false;
    setRenamers(renamers);
    updateRenamerLayoutAndRenameNames(true);
    return true;
}

bool ZKRenamingController::reorderRenamers(const QList<ZKRenamerPtr> &order) {
    if (order.size() != renamers_.size()) return false;
    // Every current step exactly once: count them off.
    QHash<const ZKRenamer *, int> remaining;
    for (const ZKRenamerPtr &renamer : std::as_const(renamers_)) ++remaining[renamer.get()];
    for (const ZKRenamerPtr &renamer : order) {
        auto found = remaining.find(renamer.get());
        if (found == remaining.end() || found.value() == 0) return false;
        --found.value();
    }
    if (order == renamers_) return true;
    renamers_ = order;
    updateRenameNames();
    return true;
}
