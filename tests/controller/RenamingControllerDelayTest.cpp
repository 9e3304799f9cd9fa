#include "RenamingControllerFixture.h"

// The delayed computation: typing produces one computation half a second after the last
// keystroke, and the rename button says so meanwhile.
class RenamingControllerDelayTest : public RenamingControllerFixture {
protected:
    void SetUp() override {
        RenamingControllerFixture::SetUp();
        controller->renameNamesDebounce().useManualClock();
        listFiles({"a.txt"});
        useSteps({step});
        computations = ui.fileListDisplays;
    }

    // Each top-level computation redraws the list once.
    int computationsSinceSetUp() const { return ui.fileListDisplays - computations; }

    void advance(int milliseconds) { controller->renameNamesDebounce().advance(milliseconds); }

    ZKRenamerPtr step = findAndReplace("a", "b");
    int computations = 0;
};

TEST_F(RenamingControllerDelayTest, RequestsWithinTheDelayGiveOneComputation) {
    controller->updateRenameNamesAfterEnforcedDelay(false);
    advance(300);
    controller->updateRenameNamesAfterEnforcedDelay(false);
    advance(300);
    EXPECT_EQ(computationsSinceSetUp(), 0) << "the second request restarts the delay";
    EXPECT_TRUE(controller->isRenamePathsUpdatePending());

    advance(600);
    EXPECT_EQ(computationsSinceSetUp(), 1);
    EXPECT_FALSE(controller->isRenamePathsUpdatePending());
    // The confirmation before every run ("Chicken", on by default) promises a question.
    EXPECT_EQ(ui.lastButtonState().title, "Rename a.txt...");
}

TEST_F(RenamingControllerDelayTest, PendingComputationShowsUpdatingListUntilItRuns) {
    controller->updateRenameNamesAfterEnforcedDelay(false);
    EXPECT_TRUE(controller->isRenamePathsUpdatePending());
    EXPECT_EQ(ui.lastButtonState().title, "Updating list...");
    EXPECT_FALSE(ui.lastButtonState().enabled);

    // A computation in between takes the place of the scheduled one.
    controller->updateRenameNames();
    EXPECT_FALSE(controller->isRenamePathsUpdatePending());
    advance(700);
    EXPECT_EQ(computationsSinceSetUp(), 1);
}

TEST_F(RenamingControllerDelayTest, CancelledComputationNeverRuns) {
    controller->updateRenameNamesAfterEnforcedDelay(true);
    controller->cancelUpdateRenameNamesAfterDelay();
    EXPECT_FALSE(controller->isRenamePathsUpdatePending());
    advance(700);
    EXPECT_EQ(computationsSinceSetUp(), 0);
}

TEST_F(RenamingControllerDelayTest, EmptyListComputesAtOnceUnlessEnforced) {
    controller->clear();
    computations = ui.fileListDisplays;
    controller->updateRenameNamesAfterEnforcedDelay(false);
    EXPECT_EQ(computationsSinceSetUp(), 1);
    EXPECT_FALSE(controller->isRenamePathsUpdatePending());

    controller->updateRenameNamesAfterEnforcedDelay(true);
    EXPECT_TRUE(controller->isRenamePathsUpdatePending());
    advance(700);
    EXPECT_EQ(computationsSinceSetUp(), 2);
}

TEST_F(RenamingControllerDelayTest, TypedTextOfAStepAsksForTheDelayedComputation) {
    step->setTokenListValue(RenamerSetting::Target, {"x"});
    EXPECT_TRUE(controller->isRenamePathsUpdatePending());
    EXPECT_EQ(record("a.txt")->renameName(), "b.txt") << "names stay until the delay is over";
    advance(700);
    EXPECT_EQ(record("a.txt")->renameName(), "a.txt");
}
