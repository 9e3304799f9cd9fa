// Moving through the history: the positions are the items, oldest first, plus one virtual
// latest position for a configuration that matched no item when navigation began.

#include "collections/HistoryFile.h"
#include "collections/ZKHistorian.h"
#include "engine/RenamerCollections.h"

bool ZKHistorian::prepareForNavigation() {
    if (historyCapacity() < 0) return false;
    const qsizetype n = history().size();
    if (n == 0) {
        cachedCurrentPosition_ = 0;
        cachedNumberOfHistoryItems_ = 0;
        return true;
    }
    const QVariantList current = currentArchives();
    cachedNumberOfHistoryItems_ = n;
    const qsizetype index = indexOfHistoryItemMatchingArchives(history(), current);
    if (index >= 0) {
        cachedCurrentPosition_ = index;
        if (cachedLatestRenamerArchives_) cachedNumberOfHistoryItems_ = n + 1;
    } else {
        cachedCurrentPosition_ = n;
        cachedNumberOfHistoryItems_ = n + 1;
        cachedLatestRenamerArchives_ = current;
    }
    return true;
}

bool ZKHistorian::navigateToHistoryItemAtIndex(qsizetype index, bool relative, bool toEnd,
                                               bool show) {
    if (!historyShown_) {
        if (!prepareForNavigation()) return false;
        if (show && !showHistory(true)) return false;
    }
    const qsizetype count = cachedNumberOfHistoryItems_;
    if (count == 0) return false;
    const qsizetype target = toEnd      ? (index < 1 ? 0 : count - 1)
                             : relative ? cachedCurrentPosition_ + index
                                        : index;
    if (target < 0 || target >= count) return false;

    const qsizetype previous = cachedCurrentPosition_;
    cachedCurrentPosition_ = target;
    const bool virtualLatest = cachedLatestRenamerArchives_ && target >= count - 1;
    const QVariantList archives =
        virtualLatest ? *cachedLatestRenamerArchives_
                      : history().value(target).toMap().value(HistoryFile::kRenamers).toList();
    setSubjectRenamers(RenamerCollections::renamersFromArchives(archives),
                       target < previous ? -1 : 1);
    updateHistoryNavigationControls();
    return true;
}

bool ZKHistorian::navigateHistoryWithDirection(int direction, bool toEnd) {
    return navigateToHistoryItemAtIndex(direction, true, toEnd, true);
}

bool ZKHistorian::showHistory(bool show) {
    if (show == historyShown_) return true;
    if (show && !prepareForNavigation()) return false;
    historyShown_ = show;
    emit historyShownChanged(show);
    if (show) updateHistoryNavigationControls();
    return true;
}

void ZKHistorian::reflectHistoryChange() {
    if (!isSettingRenamersFromHistory_) showHistory(false);
}

bool ZKHistorian::canNavigate(int step) {
    if (historyCapacity() < 0 || history().isEmpty()) return false;
    if (!historyShown_) return true;
    if (step < 0) return cachedCurrentPosition_ > 0;
    return cachedCurrentPosition_ < cachedNumberOfHistoryItems_ - 1;
}

void ZKHistorian::updateHistoryNavigationControls() { emit navigationChanged(); }
