// The main window's menus, closing and quitting, and the configuration kept from one window's
// life to the next.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QSignalSpy>
#include <QSplitter>
#include <QToolButton>
#include <QUrl>

#include "WindowFixture.h"
#include "app/window/ZKPreferencesWindow.h"
#include "app/window/ZKRenameButton.h"
#include "collections/ConfigurationKeys.h"
#include "engine/RenamerCollections.h"

namespace {

class MainWindowTest : public WindowFixture {
protected:
    QStringList enabledActions(const QStringList &names) {
        QStringList enabled;
        for (const QString &name : names) {
            if (action(name.toLatin1().constData())->isEnabled()) enabled.append(name);
        }
        return enabled;
    }
};

const QStringList listCommands{"copy",   "removeFromList", "clearList",  "showInterimNames",
                               "rename", "revert",         "deleteSteps"};

TEST_F(MainWindowTest, CommandsAreEnabledWhenTheyCanAct) {
    EXPECT_EQ(window->windowTitle(), "Torvane");
    QApplication::clipboard()->clear();
    EXPECT_TRUE(enabledActions(listCommands).isEmpty())
        << enabledActions(listCommands).join(",").toStdString();
    EXPECT_TRUE(action("open")->isEnabled());
    EXPECT_TRUE(action("addStep")->isEnabled());
    EXPECT_FALSE(action("paste")->isEnabled());
    EXPECT_EQ(action("rename")->text(), "Rename...");

    listFiles({"a1.txt", "a2.txt"});
    useReplacement("a", "b");
    EXPECT_EQ(enabledActions(listCommands),
              (QStringList{"copy", "clearList", "showInterimNames", "rename"}));
    EXPECT_EQ(action("showInterimNames")->text(), "Show Interim Names");
    EXPECT_FALSE(action("showInterimNames")->isChecked());

    // Interim display selects the first step, which can then be deleted.
    action("showInterimNames")->trigger();
    EXPECT_TRUE(action("showInterimNames")->isChecked());
    EXPECT_TRUE(action("deleteSteps")->isEnabled());

    // Copy puts the paths on the clipboard, which Paste can then list.
    action("copy")->trigger();
    const QMimeData *copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->urls().size(), 2);
    EXPECT_TRUE(waitFor([&] { return action("paste")->isEnabled(); }));

    action("clearList")->trigger();
    EXPECT_TRUE(controller().fileRepresentations().isEmpty());
    EXPECT_FALSE(action("clearList")->isEnabled());
    action("paste")->trigger();
    EXPECT_EQ(listedNames(), (QStringList{"a1.txt", "a2.txt"}));
}

TEST_F(MainWindowTest, SortAndFilterMenusChangeTheList) {
    listFiles({"b.txt", "a.txt"});
    EXPECT_EQ(listedNames(), (QStringList{"a.txt", "b.txt"}));
    EXPECT_EQ(view().optionsButton()->text(), "List Files - Sort by Name");
    view().chooseSortMenuItem(
        {SortMenuItem::Kind::Direction, "Descending", 1, ">", false, true, "Direction"});
    EXPECT_EQ(listedNames(), (QStringList{"b.txt", "a.txt"}));
    EXPECT_EQ(view().optionsButton()->text(), "List Files - Sort by Name (Descending)");

    view().changeFilter(1);
    EXPECT_EQ(view().filterButton()->text(), "Show Modified Files");
    EXPECT_TRUE(controller().fileRepresentationsToDisplay().isEmpty());
    view().changeFilter(0);
    EXPECT_EQ(view().filterButton()->text(), "Show All Files");
}

TEST_F(MainWindowTest, ClosingQuitsOnlyWithQuitWhenClosed) {
    QSignalSpy terminate(window.get(), &ZKMainWindow::terminateRequested);
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(terminate.count(), 0);

    // Opening files shows the hidden window again.
    view().openFiles({dir.makeFile("shown.txt")});
    EXPECT_TRUE(waitFor([&] { return window->isVisible(); }));

    controller().generalSettings().quitWhenClosed = true;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(terminate.count(), 1);
}

TEST_F(MainWindowTest, ConfigurationSurvivesRelaunch) {
    controller().setRenamers(
        {ZKRenamer::renamerWithArchive(QVariantMap{{"Rename: Find/Replace: Target", "old"}}),
         ZKRenamer::renamerWithArchive(QVariantMap{{"Task", 3}})});
    controller().updateRenamerLayoutAndRenameNames(true);
    controller().setRenameFolders(true);
    controller().setAutoUniqueify(true);
    controller().setPrimarySortOrder(5);
    controller().generalSettings().quitWhenClosed = true;
    const QVariantList steps =
        RenamerCollections::archivesFromRenamers(controller().renamers(), false);
    window->show();
    window->resize(700, 500);
    view().splitter()->setSizes({100, 300});
    const QList<int> sizes = view().splitter()->sizes();
    ASSERT_TRUE(view().applicationShouldTerminate());

    ZKRenamingController::resetFirstLayoutFlag();
    launch();
    EXPECT_TRUE(RenamerCollections::isEqualToRenamerArchives(
        RenamerCollections::archivesFromRenamers(controller().renamers(), false), steps, false));
    EXPECT_TRUE(controller().renameFolders());
    EXPECT_TRUE(controller().autoUniqueify());
    EXPECT_EQ(controller().primarySortOrder(), 5);
    EXPECT_TRUE(controller().generalSettings().quitWhenClosed);
    // Confirmation stays on after a launch.
    EXPECT_TRUE(controller().generalSettings().confirmBeforeRenaming);
    EXPECT_EQ(window->size(), QSize(700, 500));
    EXPECT_EQ(view().splitter()->sizes(), sizes);
    EXPECT_TRUE(controller().fileRepresentations().isEmpty());
}

TEST_F(MainWindowTest, NothingIsStoredBeforeLaunchFinished) {
    window = std::make_unique<ZKMainWindow>(&dialogs);
    view().controller().setAutoUniqueify(true);
    EXPECT_TRUE(view().applicationShouldTerminate());
    EXPECT_FALSE(UserDefaults::standardUserDefaults().hasPersistentValueForKey(
        ConfigurationKeys::kAutoUniqueify));
}

TEST_F(MainWindowTest, PreferencesReachControllerAndDefaults) {
    ZKPreferencesWindow *preferences = window->showPreferences();
    QCheckBox *quitWhenClosed = preferences->switchTitled("Quit When Closed");
    ASSERT_NE(quitWhenClosed, nullptr);
    quitWhenClosed->click();
    EXPECT_TRUE(controller().generalSettings().quitWhenClosed);

    listFiles({"a.txt", "a (1).txt"});
    useReplacement(" (1)", "");
    // Both names collide: neither is renamed.
    EXPECT_EQ(view().renameButton()->text(), "Settings do not apply.");
    preferences->switchTitled("Number Names That Would Not Be Unique (Auto-Uniqueify)")->click();
    EXPECT_TRUE(controller().autoUniqueify());
    // Recomputed at once: the collision is numbered instead of refused.
    EXPECT_EQ(controller().fileRepresentations().last()->renameName(), "a (1).txt");
    EXPECT_EQ(view().renameButton()->text(), "Rename 2 Files...");

    QCheckBox *shiftDrag = preferences->switchTitled("Shift-Drag To Add Files");
    ASSERT_TRUE(shiftDrag->isChecked());
    shiftDrag->click();
    EXPECT_FALSE(UserDefaults::standardUserDefaults().boolForKey("Shift-Drag To Add Files"));

    // A change made elsewhere shows in the window.
    controller().generalSettings().confirmBeforeRenaming = false;
    emit view().stateChanged();
    EXPECT_FALSE(preferences->switchTitled("Ask Before Renaming")->isChecked());

    QComboBox *startup = preferences->startupPopUp();
    startup->activated(startup->findData(3));
    EXPECT_EQ(controller().generalSettings().startupAction, 3);

    QComboBox *theme = preferences->themePopUp();
    theme->activated(theme->findData(1));
    EXPECT_EQ(controller().generalSettings().fileListTheme, 1);
    EXPECT_EQ(UserDefaults::standardUserDefaults().integerForKey("File List Theme"), 1);

    EXPECT_EQ(preferences->previewExplanation(), "Click icon to open the quick preview window.");
    QComboBox *preview = preferences->previewPopUp();
    preview->activated(preview->findData(1));
    EXPECT_EQ(controller().generalSettings().previewPopUpCondition, 1);
    EXPECT_EQ(preferences->previewExplanation(), "Second click opens the quick preview window.");
}

TEST_F(MainWindowTest, StartupActionOpensPanelUnlessFilesWait) {
    controller().generalSettings().startupAction = 3;
    dialogs.openPanelPaths = {dir.makeFile("picked.txt")};
    view().reopen();
    EXPECT_EQ(dialogs.openPanels, 1);
    EXPECT_EQ(listedNames(), QStringList{"picked.txt"});

    // Files waiting to be listed come first.
    view().openFiles({dir.makeFile("waiting.txt")});
    view().reopen();
    EXPECT_EQ(dialogs.openPanels, 1);
    EXPECT_TRUE(waitFor([&] { return listedNames() == QStringList{"waiting.txt"}; }));
}

TEST_F(MainWindowTest, MissingSelectionScriptTellsWhereItGoes) {
    controller().generalSettings().startupAction = 1;
    view().performStartupAction();
    ASSERT_TRUE(waitFor([&] { return !dialogs.alerts.isEmpty(); }));
    EXPECT_TRUE(dialogs.alerts.first().informativeText.contains("Scripts/File Manager Selection"))
        << dialogs.alerts.first().informativeText.toStdString();
}

TEST_F(MainWindowTest, DebugLoggingToggles) {
    EXPECT_FALSE(action("debugLogging")->isChecked());
    action("debugLogging")->trigger();
    EXPECT_TRUE(UserDefaults::standardUserDefaults().boolForKey("ZKDebugLog"));
    EXPECT_TRUE(action("debugLogging")->isChecked());
    action("debugLogging")->trigger();
    EXPECT_FALSE(UserDefaults::standardUserDefaults().boolForKey("ZKDebugLog"));
}

}  // namespace
