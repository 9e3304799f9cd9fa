#pragma once

#include <QList>
#include <QString>

#include "listing/ZKSortPriorities.h"

// One item of the sort section of the list's options menu.
struct SortMenuItem {
    enum class Kind { Header, Separator, Criterion, Direction, Special };

    Kind kind = Kind::Criterion;
    QString title;
    int tag = 0;
    QString keyEquivalent;
    bool checked = false;
    bool enabled = true;
    // "Direction" on the "Ascending" and "Descending" items, "" on the others.
    QString representedObject;
    // Shown in place of the item before it while Option is held ("Don't Sort" for "Shuffle").
    bool isAlternate = false;
};

// The sort section of the list's options menu, the choice of one of its items, and the
// options pop-up's title and help text that name the current order.
namespace SortMenu {

inline const QString DirectionObject = QStringLiteral("Direction");

// The menu title of a strategy ("Name", "Shuffle", "Don't Sort"); "" for an unknown one.
QString criterionTitle(int strategy);

// Header "Sort By", the seven criteria (tags 0 to 6, keys "1" to "7"), the direction items
// when the primary strategy is a criterion, then "Shuffle" (99) with its alternate
// "Don't Sort" (-1). The primary strategy's item is checked, and so is the primary
// direction.
QList<SortMenuItem> items(const ZKSortPriorities &priorities);

// Applies a chosen item: a direction item sets the first entry's direction (descending for
// tag 1), any other item makes its tag the primary strategy. Returns true when the primary
// strategy changed, which is when the row detail mode must follow the new order.
bool apply(const SortMenuItem &item, ZKSortPriorities &priorities);

// "Sort by Name", "Sort by Name (Descending)", "Shuffle" or "Don't Sort".
QString sortText(const ZKSortPriorities &priorities);
// "List Files", "List Folders" or "List Files and Folders".
QString listText(bool listFiles, bool listFolders);

// The options pop-up's title: "List Files - Sort by Name".
QString popUpTitle(const ZKSortPriorities &priorities, bool listFiles, bool listFolders);
// Its help text on three lines: the list text, "Scan Folders Recursively" or "Ignore Folder
// Contents", and "Sort by Name (Ascending)" or "... (Descending)" ("Shuffle" and
// "Don't Sort" as they are).
QString popUpHelp(const ZKSortPriorities &priorities, bool listFiles, bool listFolders,
                  bool scanFolderContents);

}  // namespace SortMenu
