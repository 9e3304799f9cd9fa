// The history bar, the history and presets menus, import and export in the window.

#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include "WindowFixture.h"
#include "app/window/ZKHistoryBar.h"
#include "collections/HistoryFile.h"
#include "collections/ZKHistorian.h"
#include "common/ApplicationSupport.h"
#include "common/PropertyList.h"

namespace {

class HistoryWindowTest : public WindowFixture {
protected:
    void SetUp() override {
        QDir(ApplicationSupport::folder()).removeRecursively();
        ZKHistorian::resetHistorian();
        WindowFixture::SetUp();
    }
    void TearDown() override {
        WindowFixture::TearDown();
        ZKHistorian::resetHistorian();
        QDir(ApplicationSupport::folder()).removeRecursively();
    }
    QString currentTarget() {
        return controller()
            .renamers()
            .first()
            ->archiveWithIrrelevantSettings(false, true, true)
            .value("Rename: Find/Replace: Target")
            .toList()
            .value(0)
            .toString();
    }
    void renameWith(const QString &target, const QString &replacement) {
        useReplacement(target, replacement);
        view().rename();
    }
    // The menu as it looks when opened: its items' titles (submenus as "Title >").
    static QStringList titles(QMenu *menu) {
        emit menu->aboutToShow();
        QStringList texts;
        for (QAction *item : menu->actions()) {
            if (item->isSeparator() || !item->isVisible()) continue;
            texts << item->text() + (item->menu() ? " >" : "") + (item->isChecked() ? " ✓" : "");
        }
        return texts;
    }
    QMenu *menu(const char *name) { return window->findChild<QMenu *>(QLatin1String(name)); }
};

TEST_F(HistoryWindowTest, RunsAreRecordedAndTheBarWalksThroughThem) {
    listFiles({"a1.txt", "a2.txt"});
    renameWith("a", "b");
    renameWith("b", "c");
    ASSERT_EQ(ZKHistorian::historian().history().size(), 2);
    ZKHistoryBar *bar = view().historyBar();
    window->show();
    EXPECT_FALSE(bar->isVisible());

    view().setFocus();
    QTest::keyClick(window.get(), Qt::Key_Left, Qt::ControlModifier);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(currentTarget(), "a");
    EXPECT_EQ(bar->smallStatus()->text(), "Used Once (1 of 2)");
    EXPECT_EQ(bar->mainStatus()->text(), "Just Now");
    EXPECT_EQ(bar->mainStatus()->toolTip(), "Last used: Just Now");
    EXPECT_FALSE(bar->leftArrow()->isVisible());
    EXPECT_TRUE(bar->rightArrow()->isEnabled());

    QTest::mouseClick(bar->rightArrow(), Qt::LeftButton);
    EXPECT_EQ(currentTarget(), "b");
    EXPECT_EQ(bar->smallStatus()->text(), "Used Once (2 of 2)");

    // The menu offers what the bar can do; clearing asks first.
    EXPECT_TRUE(titles(menu("historyMenu")).contains("Hide History"));
    EXPECT_TRUE(action("historyBack")->isEnabled());
    EXPECT_FALSE(action("historyForward")->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(waitFor([&] { return bar->isHidden(); })) << "slides out";
    dialogs.answers = {{1, false}};
    action("clearHistory")->trigger();
    EXPECT_EQ(ZKHistorian::historian().history().size(), 2);
    action("clearHistory")->trigger();
    EXPECT_TRUE(ZKHistorian::historian().history().isEmpty());
    EXPECT_TRUE(titles(menu("historyMenu")).contains("History is empty."));
}

TEST_F(HistoryWindowTest, TheBarSlidesAndItsArrowStaysPressedWhileTheKeyIsHeld) {
    listFiles({"a1.txt"});
    renameWith("a", "b");
    renameWith("b", "c");
    renameWith("c", "d");  // one step back still leaves somewhere to go
    window->show();
    ZKHistoryBar *bar = view().historyBar();

    view().setFocus();
    QTest::keyPress(window.get(), Qt::Key_Left, Qt::ControlModifier);
    EXPECT_TRUE(bar->leftArrow()->isDown());
    EXPECT_FALSE(bar->rightArrow()->isDown());
    EXPECT_LT(bar->maximumHeight(), bar->sizeHint().height()) << "starts sliding in";
    QTest::keyRelease(window.get(), Qt::Key_Left, Qt::ControlModifier);
    EXPECT_FALSE(bar->leftArrow()->isDown());
    EXPECT_TRUE(waitFor([&] { return bar->maximumHeight() == QWIDGETSIZE_MAX; }));
    EXPECT_GT(bar->height(), 0);

    // Closing while it slides in reverses it; it ends hidden.
    ZKHistorian::historian().showHistory(false);
    ZKHistorian::historian().showHistory(true);
    ZKHistorian::historian().showHistory(false);
    EXPECT_TRUE(waitFor([&] { return bar->isHidden(); }));
    EXPECT_EQ(bar->maximumHeight(), QWIDGETSIZE_MAX);
}

TEST_F(HistoryWindowTest, PresetsMenuListsSubfoldersChecksTheCurrentOneAndTrashes) {
    useReplacement("x", "y");
    dialogs.name = "Work/Fix";  // saved as "Work:Fix.tva", shown as "Work/Fix"
    action("createPreset")->trigger();
    const QString presets = ZKHistorian::historian().localFolderPathForCollection("Presets", true);
    QDir().mkpath(presets + "/Clients");
    QFile::copy(presets + "/Work:Fix.tva", presets + "/Clients/Acme.tva");
    ZKHistorian::historian().invalidateCollections();

    QStringList items = titles(menu("presetsMenu"));
    ASSERT_GE(items.size(), 5);
    EXPECT_EQ(items.mid(0, 5), QStringList({"Save Preset...", "Manage Presets...", "Clients >",
                                            "Work/Fix ✓", "Sample Presets"}));
    QMenu *clients = menu("presetsMenu")->actions().at(4)->menu();
    ASSERT_NE(clients, nullptr);
    EXPECT_EQ(titles(clients), QStringList({"Acme ✓"}));

    // Choosing a sample replaces the steps.
    useReplacement("q", "r");
    for (QAction *item : menu("presetsMenu")->actions()) {
        if (item->text() == "Lower-Case Extensions") item->trigger();
    }
    EXPECT_EQ(controller().renamers().first()->operationName(), "Change Case");

    // With Alt held the trash items stand in; one moves the preset to the Trash.
    for (QAction *item : menu("presetsMenu")->actions()) {
        if (item->text() == "Move \"Work/Fix\" to Trash") item->trigger();
    }
    EXPECT_FALSE(QFile::exists(presets + "/Work:Fix.tva"));
}

TEST_F(HistoryWindowTest, ExportAndImportGoThroughTheDialogs) {
    useReplacement("x", "y");
    dialogs.savePanelPath = dir.filePath("saved.tva");
    action("exportRenamers")->trigger();
    EXPECT_EQ(dialogs.suggestedName, "Find and Replace");
    const QVariant written = PropertyList::readFile(dir.filePath("saved.tva"));
    EXPECT_EQ(written.toList().size(), 1);

    useReplacement("q", "r");
    dialogs.fileOpenPanelPath = dir.filePath("saved.tva");
    action("importRenamers")->trigger();
    EXPECT_EQ(dialogs.openPanelExtensions, QStringList({"torv", "torvane", "tva"}));
    EXPECT_EQ(currentTarget(), "x");
}

}  // namespace
