#include "RenamingControllerFixture.h"

// Editing the step list in the controller: where new steps go, deleting the selection,
// replacing and reordering the list.
class RenamingControllerStepListTest : public RenamingControllerFixture {
protected:
    void SetUp() override {
        RenamingControllerFixture::SetUp();
        listFiles({"a.txt"});
        useSteps({findAndReplace("1", ""), findAndReplace("2", ""), findAndReplace("3", "")});
    }
    QList<ZKRenamerPtr> &steps() { return controller->renamers(); }
};

TEST_F(RenamingControllerStepListTest, NewStepGoesAfterTheLastSelectedStep) {
    EXPECT_EQ(controller->insertionIndexForNewRenamer(), 3);
    controller->setSelectedRenamers({steps().at(1), steps().at(0)});
    EXPECT_EQ(controller->insertionIndexForNewRenamer(), 2);

    const ZKRenamerPtr added = controller->addRenamer();
    ASSERT_EQ(steps().size(), 4);
    EXPECT_EQ(steps().at(2), added);
    EXPECT_EQ(controller->selectedRenamers(), QList<ZKRenamerPtr>{added});
    EXPECT_EQ(added->renamingDelegate(), controller.get());
    EXPECT_GE(ui.layoutChanges, 1);
}

TEST_F(RenamingControllerStepListTest, DeletingNothingBeepsAndDeletingAllLeavesADefaultStep) {
    EXPECT_FALSE(controller->deleteSelectedRenamers());
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(steps().size(), 3);

    const QList<ZKRenamerPtr> old = steps();
    controller->setSelectedRenamers(old);
    EXPECT_TRUE(controller->deleteSelectedRenamers());
    ASSERT_EQ(steps().size(), 1);
    EXPECT_FALSE(old.contains(steps().first()));
    EXPECT_TRUE(controller->selectedRenamers().isEmpty());
    EXPECT_EQ(ZKRenamer::removedRenamersStack().size(), 3);
}

TEST_F(RenamingControllerStepListTest, ReplacingWithAnEqualListDoesNothing) {
    const int layouts = ui.layoutChanges;
    const QList<ZKRenamerPtr> old = steps();
    EXPECT_FALSE(controller->replaceRenamers(
        {findAndReplace("1", ""), findAndReplace("2", ""), findAndReplace("3", "")}));
    EXPECT_EQ(steps(), old);
    EXPECT_EQ(ui.layoutChanges, layouts);

    // Irrelevant settings count too: an Insert text kept by a Find and Replace step.
    QVariantMap archive{{"Rename: Find/Replace: Target", "1"}, {"Rename: Insert: String", "x"}};
    EXPECT_TRUE(controller->replaceRenamers({ZKRenamer::renamerWithArchive(archive),
                                             findAndReplace("2", ""), findAndReplace("3", "")}));
    EXPECT_NE(steps(), old);
    EXPECT_GT(ui.layoutChanges, layouts);
}

TEST_F(RenamingControllerStepListTest, ReorderingTakesOnlyARearrangementOfTheSteps) {
    const QList<ZKRenamerPtr> old = steps();
    EXPECT_FALSE(controller->reorderRenamers({old.at(0), old.at(0), old.at(1)}));
    EXPECT_FALSE(controller->reorderRenamers({old.at(0), old.at(1)}));
    EXPECT_FALSE(controller->reorderRenamers({old.at(0), old.at(1), findAndReplace("x", "")}));
    EXPECT_EQ(steps(), old);

    EXPECT_TRUE(controller->reorderRenamers({old.at(2), old.at(0), old.at(1)}));
    EXPECT_EQ(steps(), QList<ZKRenamerPtr>({old.at(2), old.at(0), old.at(1)}));
}
