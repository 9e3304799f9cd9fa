#include "RenameRunFixture.h"
#include "common/LogCapture.h"

class RenamingControllerConfirmationTest : public RenameRunFixture {
protected:
    void SetUp() override {
        RenameRunFixture::SetUp();
        controller->generalSettings().confirmBeforeRenaming = true;
        QObject::connect(controller.get(), &ZKRenamingController::generalSettingsChanged,
                         [this] { ++settingsChanges; });
    }

    int settingsChanges = 0;
};

TEST_F(RenamingControllerConfirmationTest, ChickenAsksWithTheButtonTitleAndItsBoxTurnsItOff) {
    listFilesWithContents({"a.txt", "b.txt"});
    useSteps({suffix("_x")});
    EXPECT_EQ(controller->renameButtonState().title, "Rename 2 Files...");

    // Cancelled with the box checked: nothing renamed, no more confirmation, no ellipsis.
    ui.answers = {{1, true}};
    controller->rename(false);
    ASSERT_EQ(ui.alerts.size(), 1);
    const ZKAlert &alert = ui.alerts.first();
    EXPECT_EQ(alert.messageText, "Rename 2 Files");
    EXPECT_EQ(alert.informativeText, "Are you sure?");
    EXPECT_EQ(alert.buttons, QStringList({"Rename", "Cancel"}));
    EXPECT_FALSE(alert.suppressionButtonTitle.isEmpty());
    EXPECT_EQ(fileNames(), QStringList({"a.txt", "b.txt"}));
    EXPECT_FALSE(controller->generalSettings().confirmBeforeRenaming);
    EXPECT_EQ(settingsChanges, 1);
    EXPECT_EQ(ui.lastButtonState().title, "Rename 2 Files");

    controller->rename(false);
    EXPECT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(fileNames(), QStringList({"a_x.txt", "b_x.txt"}));
}

TEST_F(RenamingControllerConfirmationTest, ChickenAnsweredRenameGoesAheadAndStaysOn) {
    listFilesWithContents({"a.txt"});
    useSteps({suffix("_x")});
    ui.answers = {{0, false}};
    controller->rename(false);
    EXPECT_EQ(alertMessages(), QStringList{"Rename a.txt"});
    EXPECT_EQ(fileNames(), QStringList{"a_x.txt"});
    EXPECT_TRUE(controller->generalSettings().confirmBeforeRenaming);
    EXPECT_EQ(settingsChanges, 0);
    EXPECT_EQ(ui.notifications.value(0),
              qMakePair(QString("Finished Renaming"), QString("a_x.txt")));
}

TEST_F(RenamingControllerConfirmationTest, RemovedExtensionsAreConfirmedInsteadOfChicken) {
    listFilesWithContents({"a.txt", "b.txt"});
    useSteps({removeExtension()});
    LogCapture log;
    ui.answers = {{1, false}};
    controller->rename(false);
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts.first().messageText,
              "Are you sure you want to remove the filename extensions from 2 files?");
    EXPECT_EQ(ui.alerts.first().informativeText,
              "Files without filename extensions may not open properly.");
    EXPECT_EQ(ui.alerts.first().buttons, QStringList({"Rename and Remove Extension", "Cancel"}));
    EXPECT_TRUE(log.contains(QStringLiteral("extension will be removed: a (original path: %1)")
                                 .arg(dir.filePath("a.txt"))));
    EXPECT_EQ(fileNames(), QStringList({"a.txt", "b.txt"}));

    // One file is named; going ahead asks nothing more.
    useSteps({removeExtension("(?<=^a)\\.txt$")});
    ui.answers = {{0, false}};
    controller->rename(false);
    EXPECT_EQ(ui.alerts.last().messageText,
              "Are you sure you want to remove the filename extension from a.txt?");
    EXPECT_EQ(ui.alerts.size(), 2);
    EXPECT_EQ(fileNames(), QStringList({"a", "b.txt"}));
}

TEST_F(RenamingControllerConfirmationTest, WarningsAreConfirmedInsteadOfChicken) {
    listFilesWithContents({"a.txt"});
    // A slash added to the name is replaced, with a warning.
    const QVariantMap addSuffix{{"Task", 103}, {"Rename: Insert: String", "/y"}};
    useSteps({ZKRenamer::renamerWithArchive(addSuffix)});
    EXPECT_EQ(controller->renameButtonState().title, "Rename a.txt...");
    ui.answers = {{0, false}};
    controller->rename(false);
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts.first().messageText,
              "Some resulting filenames may not be what you expect them to be...");
    EXPECT_EQ(ui.alerts.first().informativeText,
              "If you want to check before renaming, look for files with yellow indicator "
              "lights. Hover your mouse over them to see details.");
    EXPECT_EQ(ui.alerts.first().buttons, QStringList({"Rename Anyway", "Cancel"}));
    EXPECT_EQ(fileNames(), QStringList{"a:y.txt"});
}

TEST_F(RenamingControllerConfirmationTest, SameStepsRightAfterARunAskToRenameAgainUntilRescan) {
    controller->generalSettings().confirmBeforeRenaming = false;
    listFilesWithContents({"a.txt"});
    useSteps({suffix("_v")});
    EXPECT_EQ(controller->renameButtonState().title, "Rename a.txt");
    controller->rename(false);
    ASSERT_EQ(fileNames(), QStringList{"a_v.txt"});
    EXPECT_TRUE(controller->isRenamingAgain());
    EXPECT_EQ(ui.lastButtonState().title, "Rename a_v.txt...");

    ui.answers = {{1, false}};
    controller->rename(false);
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts.first().messageText, "Are you sure you want to do this again?");
    EXPECT_EQ(ui.alerts.first().informativeText, "You just used the exact same configuration.");
    EXPECT_EQ(ui.alerts.first().buttons, QStringList({"Rename Again", "Cancel"}));
    EXPECT_EQ(fileNames(), QStringList{"a_v.txt"});

    // Any rescan forgets the last configuration.
    controller->updateFileRepresentations();
    controller->updateRenameNames();
    EXPECT_FALSE(controller->isRenamingAgain());
    EXPECT_EQ(ui.lastButtonState().title, "Rename a_v.txt");
    controller->rename(false);
    EXPECT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(fileNames(), QStringList{"a_v_v.txt"});

    // So do other steps.
    useSteps({suffix("_w")});
    EXPECT_FALSE(controller->isRenamingAgain());
}

TEST_F(RenamingControllerConfirmationTest, RenameAgainIsAskedInsteadOfChicken) {
    listFilesWithContents({"a.txt"});
    useSteps({suffix("_v")});
    ui.answers = {{0, false}, {0, false}};
    controller->rename(false);
    controller->rename(false);
    EXPECT_EQ(alertMessages(),
              QStringList({"Rename a.txt", "Are you sure you want to do this again?"}));
    EXPECT_EQ(fileNames(), QStringList{"a_v_v.txt"});
}

TEST_F(RenamingControllerConfirmationTest, DropletRunAsksNothingAndQuits) {
    controller->setHasFinishedLaunching(false);
    listFilesWithContents({"a.txt", "b.txt"});
    useSteps({removeExtension()});
    controller->rename(false);
    EXPECT_TRUE(ui.alerts.isEmpty()) << alertMessages().join(" | ");
    EXPECT_EQ(fileNames(), QStringList({"a", "b"}));
    EXPECT_EQ(quitRequests, 1);

    // Nothing applies: a notification says so, and the application quits.
    useSteps({findAndReplace("zzz", "y")});
    controller->rename(false);
    EXPECT_EQ(ui.notifications.last(),
              qMakePair(QString("Nothing to Rename"), QString("This droplet doesn't apply")));
    EXPECT_EQ(quitRequests, 2);
}
