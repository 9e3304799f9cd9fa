// Editing the file list by hand: removing and reordering rows, copying and pasting files,
// and the other sources of paths (open dialog, file manager selection).

#include <QSet>
#include <algorithm>

#include "common/PathExtension.h"
#include "common/UserDefaults.h"
#include "common/ZKCSVParser.h"
#include "controller/ControllerDefaults.h"
#include "controller/ZKRenamingController.h"
#include "listing/PasteboardPaths.h"
#include "listing/SelectionScript.h"

namespace {

UserDefaults &defaults() { return UserDefaults::standardUserDefaults(); }

// Whether a folder in the set holds the path, at any depth.
bool isInsideAny(const QString &path, const QSet<QString> &folders) {
    QString current = path;
    for (;;) {
        const QString parent = PathExtension::deletingLastPathComponent(current);
        if (parent.isEmpty() || parent == current) return false;
        if (folders.contains(parent)) return true;
        current = parent;
    }
}

// The records at the rows of the list, in row order; rows out of range are ignored.
QList<ZKFileRepresentationPtr> recordsAtRows(const QList<ZKFileRepresentationPtr> &list,
                                             QList<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QList<ZKFileRepresentationPtr> records;
    for (int row : std::as_const(rows)) {
        if (row >= 0 && row < list.size()) records.append(list.at(row));
    }
    return records;
}

// A file URL made from the exact bytes of the path, so names that are no UTF-8 survive.
QString fileUrl(const ZKFileRepresentation &record) {
    return QStringLiteral("file://") +
           QString::fromLatin1(record.nativePath().toPercentEncoding("/"));
}

QString csvLine(const ZKFileRepresentation &record) {
    const bool renamed = record.hasRelevantRenameNameWithError(nullptr);
    return ZKCSVParser::line(
        {record.path(), record.originalName(), renamed ? record.renameName() : QString()});
}

}  // namespace

void ZKRenamingController::deleteObjectsAtRowIndexes(const QList<int> &rows) {
    const QList<ZKFileRepresentationPtr> removed =
        recordsAtRows(fileRepresentationsToDisplay(), rows);
    if (removed.isEmpty()) return;
    SelectionKeeper keeper(*this);
    const bool withContents = ui_->modifierKeys().option;
    QSet<const ZKFileRepresentation *> leaving;
    QSet<QString> folders;
    for (const ZKFileRepresentationPtr &record : removed) {
        leaving.insert(record.get());
        if (withContents && record->isFolder()) folders.insert(record->path());
    }

    if (!exceptionPaths_) exceptionPaths_ = QStringList();
    QList<ZKFileRepresentationPtr> kept;
    kept.reserve(fileRepresentations_.size());
    for (const ZKFileRepresentationPtr &record : std::as_const(fileRepresentations_)) {
        if (leaving.contains(record.get()) ||
            (!folders.isEmpty() && isInsideAny(record->path(), folders)))
            exceptionPaths_->append(record->path());
        else
            kept.append(record);
    }
    fileRepresentations_ = kept;
    invalidateFileRepresentationsToDisplay();
    invalidateCommonPrefix();
    updateRenameNamesAndReloadFileList();
}

void ZKRenamingController::moveRows(const QList<int> &rows, int toRow) {
    const QList<ZKFileRepresentationPtr> displayed = fileRepresentationsToDisplay();
    const QList<ZKFileRepresentationPtr> moving = recordsAtRows(displayed, rows);
    if (moving.isEmpty()) return;
    SelectionKeeper keeper(*this);
    const QSet<const ZKFileRepresentation *> isMoving = [&moving] {
        QSet<const ZKFileRepresentation *> set;
        for (const ZKFileRepresentationPtr &record : moving) set.insert(record.get());
        return set;
    }();
    // The dragged rows land before the first row at or after the drop row that stays put.
    ZKFileRepresentationPtr anchor;
    for (qsizetype row = std::max(toRow, 0); row < displayed.size() && !anchor; ++row) {
        if (!isMoving.contains(displayed.at(row).get())) anchor = displayed.at(row);
    }

    QList<ZKFileRepresentationPtr> reordered;
    reordered.reserve(fileRepresentations_.size());
    for (const ZKFileRepresentationPtr &record : std::as_const(fileRepresentations_)) {
        if (record == anchor) reordered.append(moving);
        if (!isMoving.contains(record.get())) reordered.append(record);
    }
    if (!anchor) reordered.append(moving);
    fileRepresentations_ = reordered;

    // A hand-made order drives sequence numbering only while nothing re-sorts the list.
    setPrimarySortOrder(ZKSortPriorities::DontSort);
    invalidateFileRepresentationsToDisplay();
    updateRenameNamesAndReloadFileList();
}

QList<ZKFileRepresentationPtr> ZKRenamingController::recordsToCopy() {
    const QList<ZKFileRepresentationPtr> selected = ui_->selectedFileRepresentations();
    return selected.isEmpty() ? fileRepresentationsToDisplay() : selected;
}

bool ZKRenamingController::checkForFilesToCopyAndCopy(bool copy) {
    const QList<ZKFileRepresentationPtr> records = recordsToCopy();
    if (records.isEmpty()) return false;
    for (const ZKFileRepresentationPtr &record : records) {
        if (record->nativePath().isEmpty()) return false;
    }
    if (!copy) return true;

    const bool csv = defaults().boolForKey(ControllerDefaults::kCopyCsvNames);
    QStringList paths;
    QStringList urls;
    QStringList lines;
    for (const ZKFileRepresentationPtr &record : records) {
        paths.append(record->path());
        urls.append(fileUrl(*record));
        if (csv) lines.append(csvLine(*record));
    }
    ui_->writeToPasteboard(paths, urls, (csv ? lines : paths).join(u'\n'));
    return true;
}

bool ZKRenamingController::checkForFilesToPasteAndPaste(bool paste) {
    bool found = false;
    const QStringList files = filesFromPasteboard(ui_->pasteboardItems(), !paste, &found);
    if (!found) return false;
    if (!paste) return true;
    return populateWithPaths(files, false, false);
}

bool ZKRenamingController::populateWithOpenPanelSelection() {
    const QStringList paths = ui_->runOpenPanel(
        defaults().boolForKey(ControllerDefaults::kResolveAliasesWhenPopulatingViaDialog));
    if (paths.isEmpty()) return false;
    return populateWithPaths(paths, false, false);
}

bool ZKRenamingController::populateWithFinderSelectionScriptResult(const QString &result,
                                                                   bool ignoreSelfReference) {
    return populateWithPaths(SelectionScript::pathsFromScriptResult(result), ignoreSelfReference,
                             false);
}
