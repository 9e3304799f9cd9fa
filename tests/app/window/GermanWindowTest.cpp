// The window in German: menus, the rename button and the core's alerts read from the
// translation when a German session installs it.

#include <QMenu>
#include <QMenuBar>

#include "WindowFixture.h"
#include "support/GermanTranslation.h"

namespace {

class GermanWindowTest : public WindowFixture {
protected:
    void SetUp() override {
        german = std::make_unique<GermanTranslation>();
        ASSERT_TRUE(german->loaded()) << Translations::folder().toStdString();
        WindowFixture::SetUp();
    }
    void TearDown() override {
        WindowFixture::TearDown();
        german.reset();
    }

    QStringList menuTitles() {
        QStringList titles;
        for (QAction *menu : window->menuBar()->actions()) titles << menu->text();
        return titles;
    }

    std::unique_ptr<GermanTranslation> german;
};

TEST_F(GermanWindowTest, MenusAndAlertsAreGerman) {
    EXPECT_TRUE(menuTitles().startsWith("&Datei")) << menuTitles().join(",").toStdString();
    EXPECT_TRUE(menuTitles().contains("&Bearbeiten"));
    EXPECT_EQ(action("open")->text(), QString::fromUtf8("Öffnen …"));
    EXPECT_EQ(action("clearList")->text(), "Liste leeren");
    EXPECT_EQ(action("rename")->text(), QString::fromUtf8("Umbenennen …"));

    listFiles({"a1.txt", "a2.txt"});
    useReplacement("a", "b");
    EXPECT_EQ(action("showInterimNames")->text(), QString::fromUtf8("Vorläufige Namen zeigen"));
    EXPECT_EQ(action("rename")->text(), QString::fromUtf8("2 Dateien umbenennen …"));

    // The core's confirmation before the run, answered "Abbrechen" (Cancel): nothing moves.
    dialogs.answers = {{1, false}};
    action("rename")->trigger();
    ASSERT_TRUE(waitFor([&] { return !dialogs.alerts.isEmpty() && !view().isBusy(); }));
    const ZKAlert &alert = dialogs.alerts.first();
    EXPECT_EQ(alert.messageText, "2 Dateien umbenennen");
    EXPECT_EQ(alert.informativeText, "Sind Sie sicher?");
    EXPECT_EQ(alert.buttons, (QStringList{"Umbenennen", "Abbrechen"}));
    EXPECT_EQ(alert.suppressionButtonTitle, "Diese Meldung nicht mehr anzeigen");
    EXPECT_EQ(listedNames(), (QStringList{"a1.txt", "a2.txt"}));
}

}  // namespace
