#include "app/window/CollectionMenus.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QHash>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <QUrl>

#include "collections/ZKHistorian.h"
#include "common/Translations.h"

namespace CollectionMenus {
TORVANE_NAMESPACE_TR(CollectionMenus)
}

namespace {

// Alternates: while Alt is held the trash item of each entry is shown instead of the entry.
// A menu that is rebuilt each time it opens drops the items of the last build: their watcher
// goes with them, and items already gone are passed over.
class AlternateItems : public QObject {
public:
    explicit AlternateItems(QMenu *menu) : QObject(menu) {
        for (QObject *earlier : menu->findChildren<QObject *>(kName, Qt::FindDirectChildrenOnly))
            delete earlier;
        setObjectName(kName);
    }
    void add(QAction *primary, QAction *alternate) {
        pairs_.append(std::make_pair(primary, alternate));
        alternate->setVisible(false);
    }
    void watch(QMenu *menu) {
        menu->installEventFilter(this);
        QObject::connect(menu, &QMenu::aboutToShow, this, [this] {
            show(QApplication::queryKeyboardModifiers() & Qt::AltModifier);
        });
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Alt) show(event->type() == QEvent::KeyPress);
        }
        return false;
    }

private:
    void show(bool alternates) {
        for (const auto &[primary, alternate] : pairs_) {
            if (primary) primary->setVisible(!alternates);
            if (alternate) alternate->setVisible(alternates);
        }
    }
    static inline const QString kName = QStringLiteral("collectionAlternates");
    QList<std::pair<QPointer<QAction>, QPointer<QAction>>> pairs_;
};

// The submenu of a relative path, one level per component, made on first need.
QMenu *submenuWithRelativeCollectionPath(QMenu *menu, const QString &relativePath,
                                         QHash<QString, QMenu *> &pool, const QIcon &icon,
                                         AlternateItems *alternates) {
    if (relativePath.isEmpty()) return menu;
    QMenu *parent = menu;
    QString cumulative;
    for (const QString &component : relativePath.split(QLatin1Char('/'))) {
        cumulative += component + QLatin1Char('/');
        QMenu *&submenu = pool[cumulative];
        if (!submenu) {
            submenu = parent->addMenu(icon, component);
            alternates->watch(submenu);
        }
        parent = submenu;
    }
    return parent;
}

}  // namespace

namespace CollectionMenus {

void addEntries(QMenu *menu, const QList<ZKCollectionEntry> &entries, const Actions &actions) {
    auto *alternates = new AlternateItems(menu);
    alternates->watch(menu);
    QHash<QString, QMenu *> pool;
    const QStyle *style = QApplication::style();
    QIcon icon = style->standardIcon(QStyle::SP_FileIcon);
    const QIcon trash = style->standardIcon(QStyle::SP_TrashIcon);
    for (const ZKCollectionEntry &entry : entries) {
        if (entry.isSeparator()) {
            if (!menu->actions().isEmpty() && !menu->actions().last()->isSeparator())
                menu->addSeparator();
            menu->addAction(actions.sampleHeader)->setEnabled(false);
            icon = style->standardIcon(QStyle::SP_FileDialogInfoView);
            pool.clear();
            continue;
        }
        QMenu *target = submenuWithRelativeCollectionPath(
            menu, entry.isSample ? QString() : entry.relativePath, pool, icon, alternates);
        QAction *item = target->addAction(icon, entry.filename());
        item->setObjectName(QStringLiteral("collectionItem"));
        if (actions.isChecked && actions.isChecked(entry)) {
            item->setCheckable(true);
            item->setChecked(true);
        }
        QObject::connect(item, &QAction::triggered, item,
                         [choose = actions.choose, entry] { choose(entry); });
        QAction *alternate =
            target->addAction(trash, tr("Move \"%1\" to Trash").arg(entry.filename()));
        alternate->setObjectName(QStringLiteral("collectionTrashItem"));
        QObject::connect(alternate, &QAction::triggered, alternate, [entry] {
            if (!ZKHistorian::historian().moveCollectionURLToTrash(entry)) QApplication::beep();
        });
        alternates->add(item, alternate);
    }
}

void openFolderForCollection(const QString &name) {
    const QString folder = ZKHistorian::historian().folderToManageCollection(name);
    if (folder.isEmpty()) return;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder))) QApplication::beep();
}

}  // namespace CollectionMenus
