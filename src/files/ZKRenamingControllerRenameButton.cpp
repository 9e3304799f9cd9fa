// The rename button's title and state, which follow the computed names.

#include "files/ZKRenamingController.h"

namespace {

struct Relevance {
    qsizetype relevant = 0;
    bool hasWarnings = false;
    ZKFileRepresentationPtr first;
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
        return QStringLiteral("Rename %1").arg(relevance.first->name());
    if (relevance.relevant == count)
        return (folders ? QStringLiteral("Rename %1 Items") : QStringLiteral("Rename %1 Files"))
            .arg(count);
    return (folders ? QStringLiteral("Rename %1 of %2 Items")
                    : QStringLiteral("Rename %1 of %2 Files"))
        .arg(relevance.relevant)
        .arg(count);
}

ZKRenameButtonState titled(const QString &title, bool enabled) {
    ZKRenameButtonState state;
    state.title = title;
    state.enabled = enabled;
    return state;
}

}  // namespace

ZKRenameButtonState ZKRenamingController::renameButtonState() const {
    if (fileRepresentations_.isEmpty())
        return titled(QStringLiteral("There is nothing to rename."), false);
    if (isRenamePathsUpdatePending_) return titled(QStringLiteral("Updating list..."), false);

    const Relevance relevance = countRelevant(fileRepresentations_);
    if (relevance.relevant == 0) return titled(QStringLiteral("Settings do not apply."), false);
    QString title = renameTitle(relevance, fileRepresentations_.size(), renameFolders_);
    // The ellipsis promises the question that comes before renaming names with warnings.
    if (relevance.hasWarnings) title += QStringLiteral("...");
    return titled(title, true);
}

void ZKRenamingController::updateRenameButton() { ui_->setRenameButtonState(renameButtonState()); }
