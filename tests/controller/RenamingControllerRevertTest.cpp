#include "RenameRunFixture.h"

class RenamingControllerRevertTest : public RenameRunFixture {};

TEST_F(RenamingControllerRevertTest, RevertBringsTheNamesBackThroughTheRenameButton) {
    listFilesWithContents({"a1.txt", "a2.txt", "c.txt"});
    useSteps({findAndReplace("a", "b")});
    rememberContents();
    EXPECT_FALSE(controller->canRevert());
    ZKRenameButtonState state = controller->renameButtonState();
    EXPECT_EQ(state.title, "Rename 2 of 3 Files");
    EXPECT_EQ(state.tag, 0);
    controller->rename(true);
    ASSERT_EQ(fileNames(), QStringList({"b1.txt", "b2.txt", "c.txt"}));
    EXPECT_EQ(ui.notifications.value(0),
              qMakePair(QString("Finished Renaming"), QString("2 of 3 files")));

    // The steps no longer change any name: the button offers to revert.
    EXPECT_TRUE(controller->canRevert());
    state = ui.lastButtonState();
    EXPECT_EQ(state.title, "Revert...");
    EXPECT_TRUE(state.enabled);
    EXPECT_EQ(state.tag, 1);
    EXPECT_EQ(state.menuItemTitle, "Rename...");  // the same steps would ask again

    // Cancelled: the steps' names come back.
    ui.answers = {{1, false}};
    controller->rename(true);
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts.first().messageText, "Revert 2 of 3 Files...");
    EXPECT_EQ(ui.alerts.first().informativeText, "You can always try again, right?");
    EXPECT_EQ(ui.alerts.first().buttons, QStringList({"Revert", "Cancel"}));
    EXPECT_EQ(ui.lastButtonState().title, "Revert...");
    EXPECT_FALSE(record("b1.txt")->hasRelevantRenameNameWithError(nullptr));

    ui.answers = {{0, false}};
    controller->rename(true);
    EXPECT_EQ(fileNames(), QStringList({"a1.txt", "a2.txt", "c.txt"}));
    expectContentsKept();
    EXPECT_EQ(ui.alerts.size(), 2);  // a revert asks no other question
    EXPECT_EQ(ui.notifications.value(1), qMakePair(QString("Reverted"), QString("2 of 3 files")));
    EXPECT_FALSE(controller->canRevert());
    EXPECT_FALSE(controller->isRenamingAgain());
    EXPECT_EQ(ui.lastButtonState().title, "Rename 2 of 3 Files");
}

TEST_F(RenamingControllerRevertTest, RevertOfSwappedNamesAndOfASingleFile) {
    listFilesWithContents({"x.txt", "y.txt"});
    useSteps({findAndReplace("x", "#"), findAndReplace("y", "x"), findAndReplace("#", "y")});
    controller->rename(false);
    ASSERT_EQ(files().value("x.txt"), contentOf("y.txt"));
    ui.answers = {{0, false}};
    controller->revert();
    EXPECT_EQ(ui.alerts.first().messageText, "Revert 2 Files...");
    EXPECT_EQ(files(), (QMap<QString, QByteArray>{{"x.txt", contentOf("x.txt")},
                                                  {"y.txt", contentOf("y.txt")}}));

    controller->clear();
    listFilesWithContents({"one.txt"}, "single");
    useSteps({findAndReplace("one", "two")});
    controller->rename(false);
    ui.answers = {{0, false}};
    controller->revert();
    EXPECT_EQ(ui.alerts.last().messageText, "Revert one.txt...");
    EXPECT_EQ(filesUnder(dir.filePath("single")).keys(), QStringList{"one.txt"});
}

TEST_F(RenamingControllerRevertTest, RevertOfAFolderAndItsContentsKeepsThemTogether) {
    controller->setRenameFolders(true);
    dir.makeFile("top/box-one/item-one.txt", contentOf("item"));
    ASSERT_TRUE(controller->populateWithPaths({dir.filePath("top")}, false, false));
    useSteps({findAndReplace("-one", "-two")});
    controller->rename(false);
    ASSERT_EQ(fileNames(), QStringList{"top/box-two/item-two.txt"});
    ui.answers = {{0, false}};
    controller->revert();
    EXPECT_EQ(alertMessages(), QStringList{"Revert 2 of 3 Items..."});
    EXPECT_EQ(fileNames(), QStringList{"top/box-one/item-one.txt"});
}

TEST_F(RenamingControllerRevertTest, NothingToRevertAsksNothing) {
    listFilesWithContents({"a.txt"});
    useSteps({findAndReplace("a", "b")});
    controller->revert();
    EXPECT_TRUE(ui.alerts.isEmpty());
    EXPECT_EQ(controller->renameButtonState().title, "Rename a.txt");
}

TEST_F(RenamingControllerRevertTest, RenamedDroppedFolderStaysTheRootOfTheList) {
    controller->setRenameFolders(true);
    dir.makeFile("album/p1.jpg", contentOf("p1"));
    dir.makeFile("other/q.jpg", contentOf("q"));
    ASSERT_TRUE(controller->populateWithPaths({dir.filePath("album"), dir.filePath("other")}, false,
                                              false));
    useSteps({findAndReplace("album", "trip")});
    controller->rename(false);

    EXPECT_EQ(controller->paths(), QStringList({dir.filePath("other"), dir.filePath("trip")}));
    EXPECT_EQ(listedNames(), QStringList({"other", "p1.jpg", "q.jpg", "trip"}));
    EXPECT_EQ(record("trip")->originalName(), "album");
    EXPECT_EQ(record("trip")->preRenamePath(), dir.filePath("trip"));
}

TEST_F(RenamingControllerRevertTest, ClearListAfterRenamingButNeverAfterRevert) {
    controller->generalSettings().clearListAfterRenaming = true;
    listFilesWithContents({"a.txt"});
    useSteps({findAndReplace("a", "b")});
    controller->rename(false);
    EXPECT_EQ(fileNames(), QStringList{"b.txt"});
    EXPECT_TRUE(controller->fileRepresentations().isEmpty());
    EXPECT_TRUE(controller->paths().isEmpty());
    EXPECT_EQ(ui.lastButtonState().title, "There is nothing to rename.");

    controller->generalSettings().clearListAfterRenaming = false;
    ASSERT_TRUE(controller->populateWithPaths({dir.path()}, false, false));
    useSteps({findAndReplace("b", "c")});
    controller->rename(false);
    ASSERT_EQ(fileNames(), QStringList{"c.txt"});
    controller->generalSettings().clearListAfterRenaming = true;
    ui.answers = {{0, false}};
    controller->revert();
    EXPECT_EQ(fileNames(), QStringList{"b.txt"});
    EXPECT_EQ(listedNames(), QStringList{"b.txt"});
}

TEST_F(RenamingControllerRevertTest, QuitAfterRenamingOnlyAfterASuccessfulRun) {
    UserDefaults::standardUserDefaults().setBool(true, "Quit After Renaming");
    makeFiles({"a.txt", "b.txt"});
    ASSERT_TRUE(controller->populateWithPaths({dir.filePath("a.txt")}, false, false));
    useSteps({findAndReplace("a", "b")});
    ui.answers = {{2, false}};  // "Skip": the run is not successful
    controller->rename(false);
    EXPECT_EQ(quitRequests, 0);

    useSteps({findAndReplace("a", "c")});
    controller->rename(false);
    EXPECT_EQ(quitRequests, 1);
    EXPECT_EQ(fileNames(), QStringList({"b.txt", "c.txt"}));
}

namespace {

// Runs a probe whenever an alert is shown, to look at the controller in the middle of a run.
class ProbingUserInteraction : public ScriptedUserInteraction {
public:
    std::function<void()> onAlert;
    ZKAlertAnswer runAlert(const ZKAlert &alert) override {
        if (onAlert) onAlert();
        return ScriptedUserInteraction::runAlert(alert);
    }
};

}  // namespace

TEST_F(RenamingControllerRevertTest, ClearButtonIsOffWhileRenaming) {
    ProbingUserInteraction user;
    ZKRenamingController probed(&user);
    probed.setHasFinishedLaunching(true);
    probed.generalSettings().confirmBeforeRenaming = false;
    makeFiles({"a.txt"});
    ASSERT_TRUE(probed.populateWithPaths({dir.path()}, false, false));
    probed.setRenamers({findAndReplace("a", "c")});
    probed.updateRenameNames();
    EXPECT_TRUE(probed.isClearButtonEnabled());

    std::optional<bool> enabledDuringRun;
    user.onAlert = [&] { enabledDuringRun = probed.isClearButtonEnabled(); };
    user.stopAtPoll = user.stopPolls + 1;
    user.answers = {{0, false}};  // "Continue"
    probed.rename(false);
    ASSERT_EQ(user.alerts.size(), 1);
    EXPECT_EQ(user.alerts.first().messageText, "Stop?");
    EXPECT_EQ(enabledDuringRun, std::optional<bool>(false));
    EXPECT_TRUE(probed.isClearButtonEnabled());
    EXPECT_EQ(fileNames(), QStringList{"c.txt"});
}

TEST_F(RenamingControllerRevertTest, OpeningAndReceivingDropsHoldTheRenameCommand) {
    listFilesWithContents({"a.txt"});
    useSteps({findAndReplace("a", "b")});
    controller->setOpeningAfterDelay(true);
    ZKRenameButtonState state = controller->renameButtonState();
    EXPECT_EQ(state.title, "Populating...");
    EXPECT_FALSE(state.enabled);
    EXPECT_EQ(state.menuItemTitle, "Rename");
    controller->generalSettings().confirmBeforeRenaming = true;
    EXPECT_EQ(controller->renameButtonState().menuItemTitle, "Rename...");
    controller->setOpeningAfterDelay(false);

    // While dragged items arrive the button shows their progress, and the command asks the
    // reception to stop instead of renaming.
    controller->setWaitingForDraggedObjects(true);
    const qsizetype states = ui.buttonStates.size();
    controller->updateRenameButton();
    EXPECT_EQ(ui.buttonStates.size(), states);
    controller->rename(false);
    EXPECT_TRUE(controller->stopWaitingForDraggedObjects());
    EXPECT_TRUE(ui.alerts.isEmpty());
    EXPECT_EQ(fileNames(), QStringList{"a.txt"});
}
