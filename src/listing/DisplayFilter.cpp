#include "listing/DisplayFilter.h"

#include "common/Translations.h"

namespace DisplayFilter {

TORVANE_NAMESPACE_TR(DisplayFilter)

namespace {

bool isFiltering(qint64 filterTag) {
    return filterTag == ShowModified || filterTag == ShowWarningsOrErrors;
}

}  // namespace

bool isDisplayed(const ZKFileRepresentation &record, qint64 filterTag) {
    if (!isFiltering(filterTag)) return true;
    QString error;
    const bool relevant = record.hasRelevantRenameNameWithError(&error);
    // A red row stays visible: the user must see why it will not be renamed.
    if (!error.isEmpty()) return true;
    if (!relevant) return false;
    return filterTag == ShowModified || !record.warnings().isEmpty();
}

QList<ZKFileRepresentationPtr> fileRepresentationsToDisplay(
    const QList<ZKFileRepresentationPtr> &list, qint64 filterTag) {
    if (!isFiltering(filterTag)) return list;
    QList<ZKFileRepresentationPtr> shown;
    for (const ZKFileRepresentationPtr &record : list) {
        if (record && isDisplayed(*record, filterTag)) shown.append(record);
    }
    return shown;
}

QString menuTitle(qint64 filterTag, bool foldersListed) {
    switch (filterTag) {
        case ShowAll:
            return foldersListed ? tr("Show All Items") : tr("Show All Files");
        case ShowModified:
            return foldersListed ? tr("Show Modified Items") : tr("Show Modified Files");
        case ShowWarningsOrErrors:
            return foldersListed ? tr("Show Items with Warnings or Errors")
                                 : tr("Show Files with Warnings or Errors");
        default:
            return QString();
    }
}

}  // namespace DisplayFilter
