#pragma once

class QMenu;
class ZKControllingDragView;

// The file list's menus, rebuilt each time they open so that titles and checks show the
// current state: the options menu (what is listed, how deep, and the sort order) and the
// display filter menu. The bar's pop-ups and the menu bar share them; only the menu bar's
// copies carry key equivalents, so that each key has one owner.
namespace ListOptionsMenus {

void fillOptionsMenu(QMenu *menu, ZKControllingDragView &view, bool withShortcuts);
void fillFilterMenu(QMenu *menu, ZKControllingDragView &view);

// Rebuilds the menu with fill every time it is about to show.
template <typename Fill>
void rebuildOnShow(QMenu *menu, Fill fill);

}  // namespace ListOptionsMenus

#include <QMenu>

template <typename Fill>
void ListOptionsMenus::rebuildOnShow(QMenu *menu, Fill fill) {
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, fill] {
        menu->clear();
        fill(menu);
    });
}
