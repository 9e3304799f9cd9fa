// The collections folder in the preferences, and what depends on the main window being the
// active one.

#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QTest>

#include "WindowFixture.h"
#include "app/steps/ZKConfigurationCollectionView.h"
#include "app/steps/ZKRenamerSettingsView.h"
#include "app/window/CollectionsFolderSelector.h"
#include "app/window/ZKPreferencesWindow.h"
#include "collections/ZKHistorian.h"
#include "help/ZKHelpManager.h"

namespace {

class CollectionsFolderSelectorTest : public WindowFixture {
protected:
    QString storedFolder() {
        return UserDefaults::standardUserDefaults().stringForKey(ZKHistorian::kCollectionsFolder);
    }
    static QStringList items(QComboBox *box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
        return texts;
    }
    static void choose(CollectionsFolderSelector *box, int tag) {
        const int index = box->findData(tag);
        ASSERT_GE(index, 0);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
};

TEST_F(CollectionsFolderSelectorTest, ChosenFolderIsStoredWithATildeAndTheDefaultRestored) {
    CollectionsFolderSelector *box = window->showPreferences()->collectionsFolderSelector();
    EXPECT_EQ(items(box), QStringList({"Application Support", "", "Choose..."}));
    EXPECT_EQ(box->currentIndex(), 0);

    const QString folder = QDir::homePath() + "/Shared Presets";
    ASSERT_TRUE(QDir().mkpath(folder));
    dialogs.folderChoice = folder;
    choose(box, CollectionsFolderSelector::ChooseFolder);
    EXPECT_EQ(dialogs.folderChoiceTitle, "Choose Presets and Snippets Folders Location");
    EXPECT_EQ(storedFolder(), "~/Shared Presets");
    EXPECT_EQ(box->itemText(box->currentIndex()), "Shared Presets – ~/Shared Presets");
    EXPECT_TRUE(ZKHistorian::historian()
                    .localFolderPathForCollection(ZKHistorian::kPresets, true)
                    .startsWith(folder));

    // A cancelled dialog keeps the choice on show.
    dialogs.folderChoice.reset();
    choose(box, CollectionsFolderSelector::ChooseFolder);
    EXPECT_EQ(storedFolder(), "~/Shared Presets");
    EXPECT_EQ(box->currentData().toInt(), int(CollectionsFolderSelector::ChosenFolder));

    choose(box, CollectionsFolderSelector::DefaultFolder);
    EXPECT_FALSE(UserDefaults::standardUserDefaults().hasPersistentValueForKey(
        ZKHistorian::kCollectionsFolder));
    EXPECT_EQ(box->count(), 3);

    // A folder that cannot be used is refused with an alert, and the default stays.
    dialogs.folderChoice = folder + "/gone";
    choose(box, CollectionsFolderSelector::ChooseFolder);
    EXPECT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(storedFolder().isEmpty());
    EXPECT_EQ(box->currentIndex(), 0);
    QDir(folder).removeRecursively();
}

TEST_F(CollectionsFolderSelectorTest, ConfigurationMenusActOnlyForTheMainWindow) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    useReplacement("a", "b");
    EXPECT_TRUE(action("importRenamers")->isEnabled());
    EXPECT_TRUE(action("createPreset")->isEnabled());
    EXPECT_TRUE(action("toggleHistory")->isEnabled());

    // An open menu takes the focus from the window, not the menus' reason to act.
    auto *presets = window->findChild<QMenu *>("presetsMenu");
    presets->popup(window->geometry().center());
    ASSERT_TRUE(waitFor([&] { return QGuiApplication::focusWindow() == presets->windowHandle(); }));
    EXPECT_TRUE(action("createPreset")->isEnabled());
    presets->close();

    // The preferences (as the help and log windows) take the menus' keys away.
    ZKPreferencesWindow *preferences = window->showPreferences();
    preferences->activateWindow();
    ASSERT_TRUE(
        waitFor([&] { return QGuiApplication::focusWindow() == preferences->windowHandle(); }));
    for (const char *name : {"importRenamers", "exportRenamers", "saveDefaultRenamers",
                             "createPreset", "toggleHistory", "historyBack"})
        EXPECT_FALSE(action(name)->isEnabled()) << name;

    preferences->close();
    window->activateWindow();
    ASSERT_TRUE(waitFor([&] { return QGuiApplication::focusWindow() == window->windowHandle(); }));
    EXPECT_TRUE(action("importRenamers")->isEnabled());
    EXPECT_TRUE(action("toggleHistory")->isEnabled());
}

TEST_F(CollectionsFolderSelectorTest, ALoneStepCentresItsOperationMenuUnlessLeftAligned) {
    useReplacement("a", "b");
    ZKConfigurationCollectionView *steps = view().collectionView();
    ASSERT_EQ(steps->configurationViews().size(), 1);
    EXPECT_TRUE(steps->configurationViews().first()->isOperationMenuCentered());

    // A help link switches the preference; the window follows at once.
    UserDefaults::standardUserDefaults().setBool(
        true, ZKConfigurationCollectionView::kAlwaysLeftAlignOperationsMenu);
    view().helpManagerDidSetOrRemoveUserDefault(
        ZKHelpManager::helpManager(),
        ZKConfigurationCollectionView::kAlwaysLeftAlignOperationsMenu);
    EXPECT_FALSE(steps->configurationViews().first()->isOperationMenuCentered());

    UserDefaults::standardUserDefaults().setBool(
        false, ZKConfigurationCollectionView::kAlwaysLeftAlignOperationsMenu);
    steps->addRenamer();
    for (ZKRenamerSettingsView *step : steps->configurationViews())
        EXPECT_FALSE(step->isOperationMenuCentered());
}

}  // namespace
