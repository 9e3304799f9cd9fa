#include "app/window/ConfigurationMenus.h"

#include <QActionGroup>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>

#include "app/window/CollectionMenus.h"
#include "app/window/ZKControllingDragView.h"
#include "app/window/ZKDialogPresenter.h"
#include "app/window/ZKHistoryBar.h"
#include "collections/ZKHistorian.h"
#include "common/UserDefaults.h"
#include "engine/RenamerCollections.h"

namespace {

ZKHistorian &historian() { return ZKHistorian::historian(); }

struct Step {
    int tag;
    const char *name;
    const char *title;
    const char *shortcut;
};

// The navigation items; a tag of 2 or more moves to the end.
constexpr Step historySteps[] = {
    {-1, "historyBack", "Back", "Ctrl+Left"},
    {1, "historyForward", "Forward", "Ctrl+Right"},
    {-2, "historyFirst", "Oldest", "Ctrl+Shift+Left"},
    {2, "historyLast", "Latest", "Ctrl+Shift+Right"},
};

struct Capacity {
    qint64 value;
    const char *title;
};

constexpr Capacity capacities[] = {{-1, "Disabled"}, {1, "While Torvane Runs"}, {10, "10 Items"},
                                   {50, "50 Items"}, {100, "100 Items"},        {500, "500 Items"},
                                   {0, "No Limit"}};

QAction *named(QAction *action, const char *name) {
    action->setObjectName(QLatin1String(name));
    return action;
}

}  // namespace

ConfigurationMenus::ConfigurationMenus(QMainWindow &window, ZKControllingDragView &view)
    : QObject(&window), window_(window), view_(view) {
    buildConfigurationMenu();
    buildHistoryMenu();
    buildPresetsMenu();
    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            &ConfigurationMenus::reflectActiveWindow);
}

bool ConfigurationMenus::isMainWindowActive() const {
    // No active window at all (another application in front, tests): nothing else competes.
    const QWindow *active = QGuiApplication::focusWindow();
    // An open menu takes the focus: it counts for the window it was opened from.
    while (active && active->type() == Qt::Popup && active->transientParent())
        active = active->transientParent();
    return !active || active->type() == Qt::Popup || active == window_.windowHandle();
}

void ConfigurationMenus::reflectActiveWindow() {
    const bool main = isMainWindowActive();
    for (QMenu *menu : {configurationMenu_, presetsMenu_}) {
        for (QAction *item : menu->actions()) item->setEnabled(main);
    }
    rebuildHistoryMenu();
}

void ConfigurationMenus::buildConfigurationMenu() {
    QMenu *menu = configurationMenu_ = window_.menuBar()->addMenu(tr("&Configuration"));
    menu->setObjectName(QStringLiteral("configurationMenu"));
    named(menu->addAction(tr("Import..."), this, &ConfigurationMenus::importRenamers),
          "importRenamers");
    named(menu->addAction(tr("Export..."), this, &ConfigurationMenus::exportRenamers),
          "exportRenamers");
    menu->addSeparator();
    named(menu->addAction(tr("Save as Default Configuration"), this,
                          [] { historian().saveDefaultRenamers(false); }),
          "saveDefaultRenamers");
    named(menu->addAction(tr("Forget Default Configuration"), this,
                          [] { historian().saveDefaultRenamers(true); }),
          "forgetDefaultRenamers");
}

void ConfigurationMenus::buildHistoryMenu() {
    historyMenu_ = window_.menuBar()->addMenu(tr("Histor&y"));
    historyMenu_->setObjectName(QStringLiteral("historyMenu"));
    QAction *toggle = named(historyMenu_->addAction(tr("Show History")), "toggleHistory");
    toggle->setShortcut(QKeySequence(QStringLiteral("Ctrl+Y")));
    connect(toggle, &QAction::triggered, this,
            [] { historian().showHistory(!historian().isHistoryShown()); });
    historyMenu_->addSeparator();
    for (const Step &step : historySteps) {
        QAction *item = named(historyMenu_->addAction(QLatin1String(step.title)), step.name);
        // The window's own key handling takes these keys (it knows about text fields); the
        // menu shows them.
        item->setShortcut(QKeySequence(QLatin1String(step.shortcut)));
        item->setShortcutContext(Qt::WidgetShortcut);
        item->setData(step.tag);
        connect(item, &QAction::triggered, this, [this, tag = step.tag] {
            view_.bringMainWindowForward();
            ZKHistoryBar::navigateHistory(tag, QApplication::keyboardModifiers());
        });
    }
    historyMenu_->addSeparator();
    addCapacityMenu(historyMenu_);
    historyMenu_->addSeparator();
    fixedHistoryItems_ = historyMenu_->actions().size();
    connect(historyMenu_, &QMenu::aboutToShow, this, &ConfigurationMenus::rebuildHistoryMenu);
}

void ConfigurationMenus::addCapacityMenu(QMenu *menu) {
    QMenu *submenu = menu->addMenu(tr("History Capacity"));
    submenu->setObjectName(QStringLiteral("historyCapacityMenu"));
    auto *group = new QActionGroup(submenu);
    for (const Capacity &capacity : capacities) {
        QAction *item = submenu->addAction(QLatin1String(capacity.title));
        item->setCheckable(true);
        item->setData(capacity.value);
        group->addAction(item);
        connect(item, &QAction::triggered, this,
                [value = capacity.value] { historian().changeHistoryCapacity(value); });
    }
    connect(submenu, &QMenu::aboutToShow, submenu, [submenu] {
        const qint64 current = ZKHistorian::historyCapacity();
        for (QAction *item : submenu->actions()) {
            const qint64 value = item->data().toLongLong();
            item->setChecked(current < 0 ? value < 0 : value == current);
        }
    });
}

void ConfigurationMenus::rebuildHistoryMenu() {
    const QList<QAction *> items = historyMenu_->actions();
    for (qsizetype i = fixedHistoryItems_; i < items.size(); ++i) {
        historyMenu_->removeAction(items[i]);
        items[i]->deleteLater();
    }
    const bool enabled = ZKHistorian::historyCapacity() >= 0 && isMainWindowActive();
    const QString status = historian().historyMenuStatus();
    if (status.isEmpty()) {
        named(historyMenu_->addAction(tr("Clear History..."), this,
                                      [] { historian().clearHistory(); }),
              "clearHistory")
            ->setEnabled(isMainWindowActive());
    } else {
        historyMenu_->addAction(status)->setEnabled(false);
    }
    for (QAction *item : items.mid(0, fixedHistoryItems_)) {
        if (item->objectName() == QLatin1String("toggleHistory")) {
            item->setText(historian().isHistoryShown() && enabled ? tr("Hide History")
                                                                  : tr("Show History"));
            item->setEnabled(enabled);
        } else if (item->data().isValid()) {
            item->setEnabled(enabled && historian().canNavigate(item->data().toInt()));
        } else if (item->menu()) {
            item->setEnabled(isMainWindowActive());  // the capacity
        }
    }
}

void ConfigurationMenus::buildPresetsMenu() {
    presetsMenu_ = window_.menuBar()->addMenu(tr("&Presets"));
    presetsMenu_->setObjectName(QStringLiteral("presetsMenu"));
    named(presetsMenu_->addAction(tr("Save Preset..."), this, &ConfigurationMenus::createPreset),
          "createPreset");
    connect(presetsMenu_, &QMenu::aboutToShow, this, &ConfigurationMenus::rebuildPresetsMenu);
}

void ConfigurationMenus::rebuildPresetsMenu() {
    const QList<QAction *> items = presetsMenu_->actions();
    for (qsizetype i = 1; i < items.size(); ++i) {
        presetsMenu_->removeAction(items[i]);
        items[i]->deleteLater();
    }
    const QList<ZKCollectionEntry> &entries = historian().presetURLs();
    presetsMenu_->addSeparator();
    if (entries.isEmpty()) {
        presetsMenu_->addAction(tr("You don't have any presets yet."))->setEnabled(false);
        return;
    }
    named(presetsMenu_->addAction(
              tr("Manage Presets..."), this,
              [] { CollectionMenus::openFolderForCollection(ZKHistorian::kPresets); }),
          "managePresets");
    presetsMenu_->addSeparator();
    const QVariantList current =
        RenamerCollections::archivesFromRenamers(view_.controller().renamers());
    const bool irrelevant =
        UserDefaults::standardUserDefaults().boolForKey(ZKHistorian::kStoreIrrelevantSettings);
    CollectionMenus::Actions actions;
    actions.sampleHeader = ZKHistorian::kSamplePresets;
    actions.choose = [this](const ZKCollectionEntry &entry) {
        if (historian().choosePreset(entry))
            view_.bringMainWindowForward();
        else
            QApplication::beep();
    };
    actions.isChecked = [&current, irrelevant](const ZKCollectionEntry &entry) {
        return entry.archives &&
               RenamerCollections::isEqualToRenamerArchives(*entry.archives, current, irrelevant);
    };
    CollectionMenus::addEntries(presetsMenu_, entries, actions);
}

void ConfigurationMenus::importRenamers() {
    const std::optional<QString> path = view_.dialogs().runFileOpenPanel(
        window_.window(), tr("Import"),
        {QStringLiteral("torv"), QStringLiteral("torvane"), QStringLiteral("tva")});
    if (path && !historian().unarchiveRenamersAtURL(*path)) QApplication::beep();
}

void ConfigurationMenus::exportRenamers() {
    if (view_.controller().renamers().isEmpty()) {
        historian().exportRenamersToPath(QString());  // logs "[Export] no renamers" and beeps
        return;
    }
    view_.bringMainWindowForward();
    const std::optional<QString> path =
        view_.dialogs().runSavePanel(window_.window(), tr("Export"), ZKHistorian::kPresetExtension,
                                     historian().suggestedExportName());
    if (path) historian().exportRenamersToPath(*path);
}

void ConfigurationMenus::createPreset() {
    const std::optional<QString> name = view_.dialogs().askForName(
        window_.window(), tr("Save Preset"), historian().proposedPresetName());
    if (name) historian().savePreset(*name);
}
