// Revert: every renamed record gets the name it had when it entered the list back, in the
// folder where it is now.

#include "controller/ZKRenamingController.h"
#include "run/RenameAlerts.h"

namespace {

// Gives the revertible records their original name as the new name and the others none;
// answers the revertible ones.
QList<ZKFileRepresentationPtr> applyRevertNames(const QList<ZKFileRepresentationPtr> &records) {
    QList<ZKFileRepresentationPtr> revertible;
    for (const ZKFileRepresentationPtr &record : records) {
        const bool canRevert = record->name() != record->originalName();
        record->clearIntermediateNames();
        record->setRenameName(canRevert ? record->originalName() : QString());
        if (canRevert) revertible.append(record);
    }
    return revertible;
}

}  // namespace

bool ZKRenamingController::canRevert() const {
    return std::any_of(fileRepresentations_.cbegin(), fileRepresentations_.cend(),
                       [](const ZKFileRepresentationPtr &record) {
                           return !record->path().isEmpty() && !record->originalPath().isEmpty() &&
                                  record->path() != record->originalPath();
                       });
}

void ZKRenamingController::revert() {
    if (isRenaming_ || fileRepresentations_.isEmpty()) return;
    if (std::none_of(fileRepresentations_.cbegin(), fileRepresentations_.cend(),
                     [](const ZKFileRepresentationPtr &record) {
                         return record->name() != record->originalName();
                     }))
        return;
    // A delayed computation firing while the question is open would replace the original
    // names with the steps' names, and the run would then "revert" to those.
    cancelUpdateRenameNamesAfterDelay();
    const QList<ZKFileRepresentationPtr> revertible = applyRevertNames(fileRepresentations_);
    emit fileListNeedsDisplay();

    ui_->bringMainWindowForward();
    const ZKAlert alert =
        RenameAlerts::revertAlert(revertible.size(), fileRepresentations_.size(), renameFolders_,
                                  revertible.first()->originalName());
    if (ui_->runAlert(alert).button != 0) {
        updateRenameNames();
        return;
    }
    // Whatever happened while the question was open, the run takes the original names.
    cancelUpdateRenameNamesAfterDelay();
    applyRevertNames(fileRepresentations_);
    renameToOriginalNames(true);
}
