// The rename button's title and state, which follow the computed names, and the title of the
// rename command in the menu.

#include "controller/ZKRenamingController.h"
#include "engine/RenamerCollections.h"

namespace {

struct Relevance {
    qsizetype relevant = 0;
    bool hasWarnings = false;
    ZKFileRepresentationPtr first;
};

// What the button's title depends on.
struct ButtonInputs {
    bool openingAfterDelay = false;
    bool updatePending = false;
    qsizetype count = 0;
    Relevance relevance;
    bool folders = false;
    bool questionFollows = false;
    std::function<bool()> canRevert;
};

Relevance countRelevant(const QList<ZKFileRepresentationPtr> &records) {
    Relevance relevance;
    for (const ZKFileRepresentationPtr &record : records) {
        if (!record->hasRelevantRenameNameWithError(nullptr)) continue;
        if (!relevance.first) relevance.first = record;
        ++relevance.relevant;
        if (!record->warnings().isEmpty()) relevance.hasWarnings = true;
    }
    return relevance;
}

QString renameTitle(const Relevance &relevance, qsizetype count, bool folders) {
    if (relevance.relevant == count && count == 1)
        return ZKRenamingController::tr("Rename %1").arg(relevance.first->name());
    if (relevance.relevant == count)
        return (folders ? ZKRenamingController::tr("Rename %1 Items")
                        : ZKRenamingController::tr("Rename %1 Files"))
            .arg(count);
    return (folders ? ZKRenamingController::tr("Rename %1 of %2 Items")
                    : ZKRenamingController::tr("Rename %1 of %2 Files"))
        .arg(relevance.relevant)
        .arg(count);
}

ZKRenameButtonState titled(const QString &title, bool enabled, int tag = 0) {
    ZKRenameButtonState state;
    state.title = title;
    state.enabled = enabled;
    state.tag = tag;
    return state;
}

ZKRenameButtonState buttonState(const ButtonInputs &inputs) {
    if (inputs.openingAfterDelay) return titled(ZKRenamingController::tr("Populating..."), false);
    if (inputs.count == 0)
        return titled(ZKRenamingController::tr("There is nothing to rename."), false);
    if (inputs.updatePending) return titled(ZKRenamingController::tr("Updating list..."), false);
    if (inputs.relevance.relevant == 0) {
        if (inputs.canRevert()) return titled(ZKRenamingController::tr("Revert..."), true, 1);
        return titled(ZKRenamingController::tr("Settings do not apply."), false);
    }
    QString title = renameTitle(inputs.relevance, inputs.count, inputs.folders);
    // The ellipsis promises a question before renaming.
    if (inputs.questionFollows) title = ZKRenamingController::tr("%1...").arg(title);
    return titled(title, true);
}

}  // namespace

ZKRenameButtonState ZKRenamingController::renameButtonState() const {
    ButtonInputs inputs;
    inputs.openingAfterDelay = isOpeningAfterDelay_;
    inputs.updatePending = isRenamePathsUpdatePending_;
    inputs.count = fileRepresentations_.size();
    inputs.relevance = countRelevant(fileRepresentations_);
    inputs.folders = renameFolders_;
    inputs.questionFollows = questionWouldFollow(inputs.relevance.hasWarnings);
    inputs.canRevert = [this] { return canRevert(); };

    ZKRenameButtonState state = buttonState(inputs);
    if (state.enabled && state.tag == 0)
        state.menuItemTitle = state.title;
    else
        state.menuItemTitle = inputs.questionFollows ? tr("Rename...") : tr("Rename");
    return state;
}

void ZKRenamingController::updateRenameButton() {
    // The reception of dragged items shows its own progress on the button.
    if (isWaitingForDraggedObjects_) return;
    ui_->setRenameButtonState(renameButtonState());
}

bool ZKRenamingController::questionWouldFollow(bool relevantHaveWarnings) const {
    return generalSettings_.confirmBeforeRenaming || relevantHaveWarnings || isRenamingAgain();
}

bool ZKRenamingController::isRenamingAgain() const {
    return lastUsedRenamerArchives_ &&
           RenamerCollections::isEqualToRenamerArchives(
               *lastUsedRenamerArchives_, RenamerCollections::archivesFromRenamers(renamers_, true),
               false);
}
