// The order of the file list, the displayed subset and the row detail mode.

#include "common/UserDefaults.h"
#include "controller/ZKRenamingController.h"
#include "listing/CellDetailText.h"
#include "listing/DisplayFilter.h"
#include "listing/FileListSorting.h"

namespace {

UserDefaults &defaults() { return UserDefaults::standardUserDefaults(); }

bool isFiltering(qint64 filterTag) {
    return filterTag == DisplayFilter::ShowModified ||
           filterTag == DisplayFilter::ShowWarningsOrErrors;
}

}  // namespace

void ZKRenamingController::setSortingPriorities(const ZKSortPriorities &priorities) {
    sortingPriorities_ = priorities;
}

void ZKRenamingController::setPrimarySortOrder(int strategy) {
    if (sortingPriorities_.setPrimarySortOrder(strategy))
        switchToMatchingCellDisplayModeForSortOrder();
}

void ZKRenamingController::sort() {
    FileListSorting::sort(fileRepresentations_, sortingPriorities_, nullptr, &scannedNameKeys_);
    invalidateFileRepresentationsToDisplay();
}

void ZKRenamingController::updateFileList(const std::optional<SortMenuItem> &item) {
    if (item && SortMenu::apply(*item, sortingPriorities_))
        switchToMatchingCellDisplayModeForSortOrder();
    SelectionKeeper keeper(*this);
    sort();
    updateRenameNamesAndReloadFileList();
}

QList<ZKFileRepresentationPtr> ZKRenamingController::fileRepresentationsToDisplay() {
    if (!fileRepresentationsToDisplay_) {
        const qint64 filter = defaults().integerForKey(DisplayFilter::ListFilterKey);
        DisplayedSubset subset;
        subset.filtered = isFiltering(filter);
        if (subset.filtered)
            subset.records =
                DisplayFilter::fileRepresentationsToDisplay(fileRepresentations_, filter);
        fileRepresentationsToDisplay_ = subset;
    }
    // Without a filter the list itself is shown, in whatever order it now has.
    return fileRepresentationsToDisplay_->filtered ? fileRepresentationsToDisplay_->records
                                                   : fileRepresentations_;
}

void ZKRenamingController::changeFilter(int tag) {
    defaults().setInteger(tag, DisplayFilter::ListFilterKey);
    reloadFileListAfterInvalidatingFileRepresentationsToDisplay(true);
}

int ZKRenamingController::cellDisplayMode() const {
    return int(CellDetailText::cellDisplayMode(defaults(), primarySortOrder()));
}

void ZKRenamingController::switchToMatchingCellDisplayModeForSortOrder() {
    if (allowsFileSelection()) return;
    const quint64 mode = CellDetailText::modeForSortStrategy(primarySortOrder());
    for (const ZKFileRepresentationPtr &record : std::as_const(fileRepresentations_))
        record->setCellDisplayMode(mode);
}
