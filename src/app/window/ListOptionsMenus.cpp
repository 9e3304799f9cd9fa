#include "app/window/ListOptionsMenus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "app/window/ZKControllingDragView.h"
#include "common/Translations.h"
#include "common/UserDefaults.h"
#include "listing/DisplayFilter.h"
#include "listing/ListingMode.h"
#include "listing/SortMenu.h"

namespace ListOptionsMenus {

TORVANE_NAMESPACE_TR(ListOptionsMenus)

namespace {

void addHeader(QMenu *menu, const QString &title) {
    QAction *header = menu->addAction(title);
    header->setEnabled(false);
}

QAction *addCheckItem(QMenu *menu, const QString &title, bool checked) {
    QAction *action = menu->addAction(title);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

void addListingItems(QMenu *menu, ZKControllingDragView &view) {
    const ZKRenamingController &controller = view.controller();
    struct Item {
        int tag;
        const char *title;
        bool checked;
    };
    const Item items[] = {
        {ListingMode::Files, "Files", controller.renameFiles()},
        {ListingMode::Folders, "Folders", controller.renameFolders()},
        {ListingMode::ScanFolderContents, "Scan Folders Recursively",
         controller.scanFolderContents()},
        {ListingMode::IgnoreFolderContents, "Ignore Folder Contents",
         !controller.scanFolderContents()},
    };
    for (const Item &item : items) {
        if (item.tag == ListingMode::Files) addHeader(menu, ListOptionsMenus::tr("List"));
        if (item.tag == ListingMode::ScanFolderContents) {
            menu->addSeparator();
            addHeader(menu, ListOptionsMenus::tr("Depth"));
        }
        QAction *action = addCheckItem(menu, QString::fromLatin1(item.title), item.checked);
        const int tag = item.tag;
        QObject::connect(action, &QAction::triggered, &view,
                         [&view, tag] { view.changeListingMode(tag); });
    }
}

void addSortItems(QMenu *menu, ZKControllingDragView &view, bool withShortcuts) {
    for (const SortMenuItem &item : SortMenu::items(view.controller().sortingPriorities())) {
        switch (item.kind) {
            case SortMenuItem::Kind::Header:
                addHeader(menu, item.title);
                continue;
            case SortMenuItem::Kind::Separator:
                menu->addSeparator();
                continue;
            default:
                break;
        }
        QAction *action = addCheckItem(menu, item.title, item.checked);
        action->setEnabled(item.enabled);
        if (withShortcuts && !item.keyEquivalent.isEmpty())
            action->setShortcut(QKeySequence(QStringLiteral("Ctrl+") + item.keyEquivalent));
        QObject::connect(action, &QAction::triggered, &view,
                         [&view, item] { view.chooseSortMenuItem(item); });
    }
}

}  // namespace

void fillOptionsMenu(QMenu *menu, ZKControllingDragView &view, bool withShortcuts) {
    addListingItems(menu, view);
    menu->addSeparator();
    addSortItems(menu, view, withShortcuts);
}

void fillFilterMenu(QMenu *menu, ZKControllingDragView &view) {
    const qint64 current =
        UserDefaults::standardUserDefaults().integerForKey(DisplayFilter::ListFilterKey);
    const bool folders = view.controller().renameFolders();
    for (int tag : {DisplayFilter::ShowAll, DisplayFilter::ShowModified,
                    DisplayFilter::ShowWarningsOrErrors}) {
        QAction *action =
            addCheckItem(menu, DisplayFilter::menuTitle(tag, folders), tag == current);
        QObject::connect(action, &QAction::triggered, &view,
                         [&view, tag] { view.changeFilter(tag); });
    }
}

}  // namespace ListOptionsMenus
