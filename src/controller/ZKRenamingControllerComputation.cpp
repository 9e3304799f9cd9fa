// The computation of every new name: each record through every step, then the uniqueness
// check, the sequence re-run and the refresh of the display.

#include <QScopedValueRollback>

#include "common/HelperThread.h"
#include "common/PathExtension.h"
#include "common/TextCase.h"
#include "controller/ZKRenamingController.h"
#include "engine/RenamerCollections.h"
#include "engine/ZKERETemplate.h"
#include "engine/ZKRenamer.h"
#include "records/NameUniqueness.h"
#include "records/TakenPaths.h"
#include "tokens/DateDescription.h"

namespace {

// The first request in the life of the process becomes a layout pass first.
bool firstLayoutDone = false;

}  // namespace

void ZKRenamingController::resetFirstLayoutFlag() { firstLayoutDone = false; }

void ZKRenamingController::updateRenameNames() {
    updateRenameNamesAndReloadFileList(nullptr, true);
}

void ZKRenamingController::updateRenameNamesAndReloadFileList() {
    bool didReload = false;
    updateRenameNamesAndReloadFileList(&didReload, true);
    if (!didReload) reloadFileListAfterInvalidatingFileRepresentationsToDisplay(false);
}

void ZKRenamingController::updateRenameNamesAndReloadFileList(bool *didReload, bool topLevel) {
    if (!firstLayoutDone) {
        firstLayoutDone = true;
        updateRenamerLayoutAndRenameNames(true);
        return;
    }
    if (isComputing_) {
        // A modal prompt inside a step runs an event loop, where the debounce timer may
        // fire: computing from inside the computation would interleave two of them.
        updateRenameNamesAfterEnforcedDelay(true);
        return;
    }
    QScopedValueRollback computing(isComputing_, true);
    runComputation(didReload, topLevel);
}

void ZKRenamingController::runComputation(bool *didReload, bool topLevel) {
    adoptRenamers();
    if (topLevel) {
        cancelUpdateRenameNamesAfterDelay();
        reflectHistoryChange();
    }
    hadSyntaxError_ = false;
    if (fileRepresentations_.isEmpty()) {
        runRenamersWithoutRecords();
    } else if (!computeNewNames()) {
        hadSyntaxError_ = true;
        withdrawNewNames();
    }

    // Every step cleans up, even after one asked for another pass; the pass after that
    // analyses nothing, so it never asks again.
    if (analyzeSequenceIdentifiers(topLevel) && topLevel) runComputation(nullptr, false);
    if (!topLevel) return;

    endOfTopLevelComputation();
    emit fileListNeedsDisplay();
    refreshDisplayedSubsetAfterComputation(didReload);
    updateRenameButton();
}

void ZKRenamingController::runRenamersWithoutRecords() {
    const QList<ZKRenamerPtr> renamers = renamers_;
    for (const ZKRenamerPtr &renamer : renamers)
        renamer->processFileRepresentation(nullptr, 0, 0, nullptr);
}

namespace {

// Lists shorter than this are named on one thread: a thread costs more than it spares.
constexpr qint64 kNamedOnTwoThreadsFrom = 2048;

bool namesItemsIndependently(const QList<ZKRenamerPtr> &renamers) {
    return std::all_of(renamers.cbegin(), renamers.cend(), [](const ZKRenamerPtr &renamer) {
        return renamer->namesItemsIndependently();
    });
}

}  // namespace

bool ZKRenamingController::computeNewNames() {
    // Copies: a step that prompts runs an event loop in which the lists may change.
    const QList<ZKRenamerPtr> renamers = renamers_;
    const QList<ZKFileRepresentationPtr> records = fileRepresentations_;
    const qint64 count = records.size();
    if (count >= kNamedOnTwoThreadsFrom && namesItemsIndependently(renamers))
        return computeNewNamesOnTwoThreads(renamers, records);
    TakenPaths taken(count);
    QHash<QString, quint64> lastNumbers;
    bool syntaxError = false;
    for (qint64 index = 0; index < count; ++index) {
        ZKFileRepresentation &record = *records.at(index);
        nameRecord(record, renamers, index, count, &syntaxError);
        if (syntaxError) return false;
        checkUniqueness(record, taken, lastNumbers);
    }
    return true;
}

// No step looks beyond the item it names: the second half of the list is named on a second
// thread. Every name is checked for uniqueness in list order, which only ever looks back at
// the items before: the first half's while the second half is still being named, as a single
// pass checks each item once it is named.
bool ZKRenamingController::computeNewNamesOnTwoThreads(
    const QList<ZKRenamerPtr> &renamers, const QList<ZKFileRepresentationPtr> &records) {
    const qint64 count = records.size();
    const auto nameRecords = [&](const QList<ZKRenamerPtr> &steps, qint64 from, qint64 to,
                                 bool *syntaxError) {
        for (qint64 index = from; index < to && !*syntaxError; ++index)
            nameRecord(*records.at(index), steps, index, count, syntaxError);
    };
    QList<ZKRenamerPtr> secondSteps;
    secondSteps.reserve(renamers.size());
    for (const ZKRenamerPtr &renamer : renamers)
        secondSteps.append(ZKRenamer::forAnotherThread(renamer));
    bool firstHalfError = false, secondHalfError = false;
    HelperThread secondHalf([&] { nameRecords(secondSteps, count / 2, count, &secondHalfError); });
    nameRecords(renamers, 0, count / 2, &firstHalfError);
    TakenPaths taken(count);
    QHash<QString, quint64> lastNumbers;
    const auto checkRecords = [&](qint64 from, qint64 to) {
        for (qint64 index = from; index < to; ++index)
            checkUniqueness(*records.at(index), taken, lastNumbers);
    };
    if (!firstHalfError) checkRecords(0, count / 2);
    secondHalf.join();
    if (firstHalfError || secondHalfError) return false;
    checkRecords(count / 2, count);
    // The lights, the button and the run ask every record next whether its new name applies;
    // the answers are kept, so the second half is decided on the second thread meanwhile.
    const auto decideRelevance = [&](qint64 from, qint64 to) {
        for (qint64 index = from; index < to; ++index)
            records.at(index)->hasRelevantRenameNameWithError(nullptr);
    };
    HelperThread secondRelevance([&] { decideRelevance(count / 2, count); });
    decideRelevance(0, count / 2);
    secondRelevance.join();
    return true;
}

void ZKRenamingController::nameRecord(ZKFileRepresentation &record,
                                      const QList<ZKRenamerPtr> &renamers, qint64 index,
                                      qint64 count, bool *syntaxError) const {
    record.clearIntermediateNames();
    for (const ZKRenamerPtr &renamer : renamers) {
        renamer->processFileRepresentation(&record, index, count, syntaxError);
        if (*syntaxError) return;
    }
    record.setRenameName(record.intermediateName());
    if (!keepsIntermediateNames_) record.forgetIntermediateNames();
}

void ZKRenamingController::withdrawNewNames() {
    for (const ZKFileRepresentationPtr &record : std::as_const(fileRepresentations_)) {
        record->clearIntermediateNames();
        record->setRenameName(QString());
    }
}

// Paths are compared whole and case-insensitively; a record without a new name takes part
// with its current path, so a new name that lands on a listed, unchanged file is caught.
void ZKRenamingController::checkUniqueness(ZKFileRepresentation &record, TakenPaths &taken,
                                           QHash<QString, quint64> &lastNumbers) {
    const EndPath endPath = EndPath::of(record);
    ZKFileRepresentation *holder = taken.holder(endPath);
    if (!holder) {
        taken.take(endPath, &record);
    } else if (autoUniqueify_) {
        uniqueifyNewName(record, endPath.joined(), *holder, taken, lastNumbers);
    } else {
        holder->setRenameNameError(tr("Resulting filename isn't unique"));
        record.setRenameNameError(tr("Resulting filename isn't unique"));
        // The later record takes the place, so a third collider pairs with the second.
        taken.take(endPath, &record);
    }
}

void ZKRenamingController::uniqueifyNewName(ZKFileRepresentation &record, const QString &keyPath,
                                            ZKFileRepresentation &holder, TakenPaths &taken,
                                            QHash<QString, quint64> &lastNumbers) {
    // Numbers below the last one given for this path are all taken (the map only grows), so
    // starting after it finds the same first free number without trying them again.
    const QString key = TextCase::lower(keyPath);
    quint64 number = lastNumbers.value(key, 0);
    QString candidate;
    do {
        candidate = NameUniqueness::stringByInsertingNumberInPath(keyPath, ++number);
    } while (taken.holder(EndPath(candidate)));
    lastNumbers.insert(key, number);

    record.setRenameName(PathExtension::lastPathComponent(candidate));
    holder.addWarning(tr("Resulting filename wouldn't be unique"));
    record.addWarning(tr("Resulting filename wouldn't be unique"));
    taken.take(EndPath::of(record), &record);
}

bool ZKRenamingController::analyzeSequenceIdentifiers(bool topLevel) {
    bool runAgain = false;
    for (const ZKRenamerPtr &renamer : std::as_const(renamers_)) {
        if (renamer->cleanUpAfterUpdatingAndAnalyzeSequenceIdentifiers(topLevel)) runAgain = true;
    }
    return runAgain;
}

void ZKRenamingController::refreshDisplayedSubsetAfterComputation(bool *didReload) {
    // Without a filter the list shows every record: nothing to compare.
    if (fileRepresentationsToDisplay_ && !fileRepresentationsToDisplay_->filtered) return;
    SelectionKeeper keeper(*this);
    const std::optional<DisplayedSubset> previous = fileRepresentationsToDisplay_;
    invalidateFileRepresentationsToDisplay();
    const QList<ZKFileRepresentationPtr> current = fileRepresentationsToDisplay();
    if (previous && previous->records == current) return;
    emit fileListChanged();
    if (didReload) *didReload = true;
}

void ZKRenamingController::endOfTopLevelComputation() {
    // Parsed replacement templates live for one computation.
    ZKERETemplate::templateWithString(std::nullopt);
    // Every file of the next computation sees a new "current date", all of them the same.
    DateDescription::resetCanonicalCurrentDate(true);
}

void ZKRenamingController::reflectHistoryChange() { emit historyChangeToReflect(); }

void ZKRenamingController::updateRenameNamesAfterEnforcedDelay(bool enforced) {
    if (!enforced && fileRepresentations_.isEmpty()) {
        updateRenameNames();
        return;
    }
    isRenamePathsUpdatePending_ = true;
    renameNamesDebounce_.request();  // restarts a running wait: only the last request counts
    updateRenameButton();
}

void ZKRenamingController::cancelUpdateRenameNamesAfterDelay() {
    isRenamePathsUpdatePending_ = false;
    renameNamesDebounce_.cancel();
}

void ZKRenamingController::updateRenamerLayoutAndRenameNames(bool renameNames) {
    if (renamers_.isEmpty()) RenamerCollections::addDefaultRenamers(renamers_);
    adoptRenamers();
    emit renamerLayoutChanged();
    if (renameNames)
        updateRenameNames();
    else
        reflectHistoryChange();
}
