#pragma once

#include <QList>
#include <QString>

#include "records/ZKFileRepresentation.h"

// The display filter of the file list (the user default "List Filter"): which records the
// list shows, and the titles of the filter menu.
namespace DisplayFilter {

enum Tag {
    ShowAll = 0,
    ShowModified = 1,
    ShowWarningsOrErrors = 2,
};

inline const QString ListFilterKey = QStringLiteral("List Filter");

// The records to show, in list order. ShowModified: the records that will be renamed and
// every record with an error. ShowWarningsOrErrors: the records that will be renamed with at
// least one warning and every record with an error. Any other tag: the list itself.
QList<ZKFileRepresentationPtr> fileRepresentationsToDisplay(
    const QList<ZKFileRepresentationPtr> &list, qint64 filterTag);

// Whether a record passes the filter.
bool isDisplayed(const ZKFileRepresentation &record, qint64 filterTag);

// The filter menu's title for a tag: "Show All Items", "Show Modified Items" and "Show Items
// with Warnings or Errors", with "Files" in place of "Items" when folders are not listed.
// "" for an unknown tag.
QString menuTitle(qint64 filterTag, bool foldersListed);

}  // namespace DisplayFilter
