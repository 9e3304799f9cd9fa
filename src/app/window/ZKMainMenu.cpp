#include "app/window/ZKMainMenu.h"

#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>

#include "app/filelist/ZKFileList.h"
#include "app/help/ZKAboutWindow.h"
#include "app/help/ZKHelpWindow.h"
#include "app/help/ZKLogViewer.h"
#include "app/window/ConfigurationMenus.h"
#include "app/window/ListOptionsMenus.h"
#include "app/window/ZKControllingDragView.h"
#include "app/window/ZKRenameButton.h"
#include "collections/ApplicationDefaults.h"
#include "common/UserDefaults.h"
#include "listing/CellDetailText.h"

namespace {

UserDefaults &defaults() { return UserDefaults::standardUserDefaults(); }

struct Choice {
    int tag;
    const char *title;
};

// "List Layout" tags.
constexpr Choice listLayouts[] = {{0, "Compact"}, {1, "Regular"}, {2, "Names and Details"}};
// "List Layout: Detail Mode" tags; -1 lets the sort order choose.
constexpr Choice detailModes[] = {
    {-1, "Detail Matching Sort Order"}, {0, "Path"},    {1, "Creation Date"},
    {2, "Modification Date"},           {3, "Comment"}, {4, "Size"},
    {5, "Extension and Type"},
};

struct HelpTopic {
    const char *name;
    const char *title;
    const char *page;
};

// The Help menu's quick entries into the guide.
constexpr HelpTopic kHelpTopics[] = {
    {"helpGettingStarted", "Getting Started", "getting-started.html"},
    {"helpSteps", "Renaming Steps", "steps.html"},
    {"helpTokens", "Tokens", "tokens.html"},
    {"helpSequences", "Sequences", "sequences.html"},
    {"helpAdvanced", "The Advanced Language", "advanced.html"},
    {"helpRegex", "Regular Expressions", "regular-expressions.html"},
    {"helpRenaming", "Renaming and Reverting", "renaming.html"},
    {"helpCommandLine", "The Command Line", "command-line.html"},
    {"helpTroubleshooting", "Troubleshooting", "troubleshooting.html"},
};

}  // namespace

ZKMainMenu::ZKMainMenu(QMainWindow &window, ZKControllingDragView &view)
    : QObject(&window), window_(window), view_(view) {
    buildFileMenu();
    buildEditMenu();
    buildListMenu();
    buildStepsMenu();
    new ConfigurationMenus(window, view);
    buildRenameMenu();
    buildHelpMenu();
    connect(&view_, &ZKControllingDragView::stateChanged, this, &ZKMainMenu::updateItems);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        updateClipboardState();
        updateItems();
    });
    updateClipboardState();
    updateItems();
}

QMenu *ZKMainMenu::addMenu(const QString &title) {
    QMenu *menu = window_.menuBar()->addMenu(title);
    connect(menu, &QMenu::aboutToShow, this, [this] {
        updateClipboardState();
        updateItems();
    });
    return menu;
}

QAction *ZKMainMenu::addAction(QMenu *menu, const char *name, const QString &title,
                               const QString &shortcut) {
    QAction *action = menu->addAction(title);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) action->setShortcut(QKeySequence(shortcut));
    return action;
}

template <typename Slot>
QAction *ZKMainMenu::addCommand(QMenu *menu, const char *name, const QString &title,
                                const QString &shortcut, Slot slot) {
    QAction *action = addAction(menu, name, title, shortcut);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

QAction *ZKMainMenu::action(const char *name) const {
    return window_.findChild<QAction *>(QString::fromLatin1(name));
}

void ZKMainMenu::buildFileMenu() {
    QMenu *menu = addMenu(tr("&File"));
    addCommand(menu, "open", tr("Open..."), QStringLiteral("Ctrl+O"),
               [this] { view_.openFilesFromPanel(); });
    menu->addSeparator();
    addCommand(menu, "createDroplet", tr("Create Droplet..."), QString(),
               [this] { view_.createDroplet(); });
    addCommand(menu, "createService", tr("Create Service..."), QString(),
               [this] { view_.createService(); });
    addCommand(menu, "removeService", tr("Remove Service..."), QString(),
               [this] { view_.removeService(); });
    menu->addSeparator();
    QAction *preferences =
        addCommand(menu, "preferences", tr("Preferences..."), QStringLiteral("Ctrl+,"),
                   [this] { emit preferencesRequested(); });
    preferences->setMenuRole(QAction::PreferencesRole);
    menu->addSeparator();
    addCommand(menu, "close", tr("Close Window"), QStringLiteral("Ctrl+W"),
               [this] { emit closeRequested(); });
    // Quitting during a scan or run first offers to stop it; the application quits after it.
    addCommand(menu, "quit", tr("Quit Torvane"), QStringLiteral("Ctrl+Q"), [this] {
        view_.requestStop();
        emit quitRequested();
    });
}

void ZKMainMenu::buildEditMenu() {
    QMenu *menu = addMenu(tr("&Edit"));
    addCommand(menu, "copy", tr("Copy"), QStringLiteral("Ctrl+C"), [this] { view_.copy(); });
    addCommand(menu, "paste", tr("Paste"), QStringLiteral("Ctrl+V"), [this] { view_.paste(); });
    menu->addSeparator();
    addCommand(menu, "removeFromList", tr("Remove from List"), QString(),
               [this] { view_.removeSelectedRows(); });
    addCommand(menu, "clearList", tr("Clear List"), QStringLiteral("Ctrl+K"),
               [this] { view_.clear(); });
}

void ZKMainMenu::buildListMenu() {
    QMenu *menu = addMenu(tr("&List"));
    addListLayoutMenu(menu);
    addDetailModeMenu(menu);
    menu->addSeparator();
    addListToggles(menu);
    menu->addSeparator();
    QAction *interim =
        addCommand(menu, "showInterimNames", tr("Show Interim Names"), QStringLiteral("Ctrl+I"),
                   [this] { view_.toggleIntermediateNameDisplay(); });
    interim->setCheckable(true);
    menu->addSeparator();

    QMenu *options = menu->addMenu(tr("List Options"));
    options->setObjectName(QStringLiteral("listOptionsMenu"));
    ListOptionsMenus::rebuildOnShow(
        options, [this](QMenu *shown) { ListOptionsMenus::fillOptionsMenu(shown, view_, true); });
    // The sort keys work before the submenu was ever opened.
    ListOptionsMenus::fillOptionsMenu(options, view_, true);
    QMenu *filter = menu->addMenu(tr("Filter"));
    filter->setObjectName(QStringLiteral("filterMenu"));
    ListOptionsMenus::rebuildOnShow(
        filter, [this](QMenu *shown) { ListOptionsMenus::fillFilterMenu(shown, view_); });
}

void ZKMainMenu::addListLayoutMenu(QMenu *listMenu) {
    QMenu *menu = listMenu->addMenu(tr("List Layout"));
    auto *group = new QActionGroup(menu);
    for (const Choice &choice : listLayouts) {
        QAction *item = addCommand(menu, "listLayout", QString::fromLatin1(choice.title), QString(),
                                   [this, tag = choice.tag] {
                                       view_.fileList()->changeListLayout(tag);
                                       updateItems();
                                   });
        item->setCheckable(true);
        item->setData(choice.tag);
        group->addAction(item);
    }
}

void ZKMainMenu::addDetailModeMenu(QMenu *listMenu) {
    QMenu *menu = listMenu->addMenu(tr("Detail"));
    auto *group = new QActionGroup(menu);
    for (const Choice &choice : detailModes) {
        QAction *item = addCommand(menu, "detailMode", QString::fromLatin1(choice.title), QString(),
                                   [this, tag = choice.tag] {
                                       view_.fileList()->changeListDetailMode(tag);
                                       updateItems();
                                   });
        item->setCheckable(true);
        item->setData(choice.tag);
        group->addAction(item);
        if (choice.tag == -1) menu->addSeparator();
    }
}

void ZKMainMenu::addListToggles(QMenu *listMenu) {
    ZKFileList *list = view_.fileList();
    const auto toggle = [this, listMenu](const char *name, const QString &title, auto command) {
        QAction *item = addCommand(listMenu, name, title, QString(), [this, command] {
            command();
            updateItems();
        });
        item->setCheckable(true);
    };
    toggle("alwaysShowLargeIcons", tr("Always Show Large Icons"),
           [list] { list->toggleIconSize(); });
    toggle("showIconPreviews", tr("Show Icon Previews"), [list] { list->toggleIconPreview(); });
    toggle("showWhitespace", tr("Show Whitespace"), [list] { list->toggleWhitespaceDisplay(); });
    toggle("allowFileSelection", tr("Allow File Selection"), [list] {
        list->changeSelectability(defaults().boolForKey(CellDetailText::AllowFileSelectionKey) ? 0
                                                                                               : 1);
    });
}

void ZKMainMenu::buildStepsMenu() {
    QMenu *menu = addMenu(tr("&Steps"));
    addCommand(menu, "addStep", tr("Add Renaming Step"), QStringLiteral("Ctrl+T"),
               [this] { view_.addRenamer(); });
    addCommand(menu, "deleteSteps", tr("Delete Selected Steps"), QStringLiteral("Ctrl+Shift+T"),
               [this] { view_.deleteSelectedRenamers(); });
}

void ZKMainMenu::buildRenameMenu() {
    QMenu *menu = addMenu(tr("&Rename"));
    addCommand(menu, "rename", tr("Rename"), QStringLiteral("Ctrl+Return"),
               [this] { view_.rename(); });
    addCommand(menu, "revert", tr("Revert..."), QStringLiteral("Ctrl+Shift+R"),
               [this] { view_.revert(); });
}

void ZKMainMenu::buildHelpMenu() {
    QMenu *menu = addMenu(tr("&Help"));
    addCommand(menu, "help", tr("Torvane Help"), QStringLiteral("F1"),
               [] { ZKHelpWindow::showHelp(); });
    menu->addSeparator();
    for (const HelpTopic &topic : kHelpTopics)
        addCommand(menu, topic.name, QString::fromUtf8(topic.title), QString(),
                   [page = QString::fromUtf8(topic.page)] { ZKHelpWindow::showHelp(page); });
    menu->addSeparator();
    addCommand(menu, "showLog", tr("Show Log"), QString(), [] { ZKLogViewer::showLog(); });
    QAction *debug = addCommand(menu, "debugLogging", tr("Debug Logging"), QString(),
                                [this] { view_.toggleDebugLogging(); });
    debug->setCheckable(true);
    menu->addSeparator();
    QAction *about = addCommand(menu, "about", tr("About Torvane"), QString(),
                                [] { ZKAboutWindow::showAbout(); });
    about->setMenuRole(QAction::AboutRole);
}

void ZKMainMenu::updateClipboardState() {
    pasteAvailable_ = !view_.isBusy() && view_.controller().checkForFilesToPasteAndPaste(false);
}

void ZKMainMenu::updateItems() {
    ZKRenamingController &controller = view_.controller();
    const bool idle = !view_.isBusy();
    const bool receiving = controller.isWaitingForDraggedObjects();

    action("open")->setEnabled(idle && !receiving);
    action("close")->setEnabled(idle);
    action("preferences")->setEnabled(idle);
    action("copy")->setEnabled(idle && controller.checkForFilesToCopyAndCopy(false));
    action("paste")->setEnabled(idle && pasteAvailable_);
    action("removeFromList")
        ->setEnabled(idle && !view_.fileList()->selectedFileRepresentations().isEmpty());
    action("clearList")->setEnabled(idle && controller.isClearButtonEnabled());

    QAction *interim = action("showInterimNames");
    interim->setText(controller.intermediateNameDisplayTitle());
    interim->setChecked(controller.isIntermediateNameDisplayChecked());
    interim->setEnabled(idle && controller.isIntermediateNameDisplayEnabled(true));

    action("addStep")->setEnabled(idle);
    action("deleteSteps")->setEnabled(idle && !controller.selectedRenamers().isEmpty());

    const ZKRenameButtonState &button = view_.renameButton()->state();
    QAction *rename = action("rename");
    rename->setText(button.menuItemTitle.isEmpty() ? tr("Rename") : button.menuItemTitle);
    rename->setEnabled(receiving || (idle && button.enabled && button.tag == 0));
    action("revert")->setEnabled(idle && controller.canRevert());
    action("debugLogging")->setChecked(defaults().boolForKey(ApplicationDefaults::kDebugLog));
    updateListItems(idle);
}

void ZKMainMenu::updateListItems(bool idle) {
    const qint64 layout = defaults().integerForKey(CellDetailText::ListLayoutKey);
    const qint64 detail = defaults().integerForKey(CellDetailText::DetailModeKey);
    for (QAction *item : window_.findChildren<QAction *>()) {
        if (item->objectName() == u"listLayout") item->setChecked(item->data().toInt() == layout);
        if (item->objectName() == u"detailMode")
            item->setChecked(layout == CellDetailText::DetailLayout &&
                             item->data().toInt() == detail);
        if (item->objectName() == u"listLayout" || item->objectName() == u"detailMode")
            item->setEnabled(idle);
    }
    const struct {
        const char *name;
        const QString &key;
    } toggles[] = {
        {"alwaysShowLargeIcons", ApplicationDefaults::kAlwaysShowLargeIcons},
        {"showIconPreviews", ApplicationDefaults::kShowIconPreviews},
        {"showWhitespace", ApplicationDefaults::kShowWhitespace},
        {"allowFileSelection", CellDetailText::AllowFileSelectionKey},
    };
    for (const auto &toggle : toggles) {
        action(toggle.name)->setChecked(defaults().boolForKey(toggle.key));
        action(toggle.name)->setEnabled(idle);
    }
}
