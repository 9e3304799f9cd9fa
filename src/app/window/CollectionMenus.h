#pragma once

#include <QList>
#include <functional>

#include "collections/ZKCollectionEntry.h"

class QMenu;
class QWidget;

// The items of the presets menu and of the snippet menu of the code editor: one item per entry
// (in a submenu per subfolder), the samples after a "Sample Presets"/"Sample Snippets" header
// with their own icon, and after each item an alternate "Move \"%@\" to Trash" shown instead
// while Alt is held.
namespace CollectionMenus {

struct Actions {
    std::function<void(const ZKCollectionEntry &)> choose;
    // Checks the item of an entry (the preset equal to the current steps).
    std::function<bool(const ZKCollectionEntry &)> isChecked;
    QString sampleHeader;
};

// Appends the entries' items to the menu (after its existing items).
void addEntries(QMenu *menu, const QList<ZKCollectionEntry> &entries, const Actions &actions);

// Opens a collection's folder in the file manager; a beep when it cannot be had.
void openFolderForCollection(const QString &name);

}  // namespace CollectionMenus
