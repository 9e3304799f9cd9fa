#include "RenamingControllerFixture.h"
#include "engine/RenamerSettings.h"

namespace {

const QString kIsNotUnique = QStringLiteral("Resulting filename isn't unique");
const QString kWouldNotBeUnique = QStringLiteral("Resulting filename wouldn't be unique");

}  // namespace

class RenamingControllerComputationTest : public RenamingControllerFixture {};

TEST_F(RenamingControllerComputationTest, TwoFilesComputingOneNameAreBothRedWithoutAutoUniqueify) {
    listFiles({"A1.txt", "A2.txt"});
    useSteps({findAndReplace("\\d", "", true)});

    for (const QString &name : QStringList{"A1.txt", "A2.txt"}) {
        EXPECT_EQ(record(name)->renameName(), "A.txt");
        EXPECT_EQ(errorOf(record(name)), kIsNotUnique);
        EXPECT_EQ(record(name)->statusLight(), ZKStatusLight::Red);
    }
}

TEST_F(RenamingControllerComputationTest, LaterOfTwoCollidingFilesIsNumberedWithAutoUniqueify) {
    listFiles({"A1.txt", "A2.txt"});
    controller->setAutoUniqueify(true);
    useSteps({findAndReplace("\\d", "", true)});

    EXPECT_EQ(record("A1.txt")->renameName(), "A.txt");
    EXPECT_EQ(record("A2.txt")->renameName(), "A (1).txt");
    for (const QString &name : QStringList{"A1.txt", "A2.txt"}) {
        EXPECT_EQ(record(name)->warnings(), QStringList{kWouldNotBeUnique});
        EXPECT_EQ(record(name)->statusLight(), ZKStatusLight::Yellow);
    }
}

TEST_F(RenamingControllerComputationTest, ThreeCollidersAreNumberedOrPairedInListOrder) {
    listFiles({"A1.txt", "A2.txt", "A3.txt", "A (1).txt"});
    controller->setAutoUniqueify(true);
    useSteps({findAndReplace("\\d$", "", true)});
    ASSERT_EQ(listedNames().first(), "A (1).txt");
    // "A (1).txt" sorts first and keeps its name, so the numbering skips 1.
    EXPECT_EQ(record("A (1).txt")->renameName(), "A (1).txt");
    EXPECT_EQ(record("A1.txt")->renameName(), "A.txt");
    EXPECT_EQ(record("A2.txt")->renameName(), "A (2).txt");
    EXPECT_EQ(record("A3.txt")->renameName(), "A (3).txt");

    controller->setAutoUniqueify(false);
    controller->updateRenameNames();
    for (const QString &name : QStringList{"A1.txt", "A2.txt", "A3.txt"})
        EXPECT_EQ(errorOf(record(name)), kIsNotUnique) << name.toStdString();
    EXPECT_EQ(errorOf(record("A (1).txt")), "");
}

TEST_F(RenamingControllerComputationTest, NewNameOfAnEarlierFileNumbersTheLaterUnchangedFile) {
    listFiles({"B.txt", "C.txt"});
    controller->setAutoUniqueify(true);
    useSteps({findAndReplace("B", "C")});
    EXPECT_EQ(record("B.txt")->renameName(), "C.txt");
    EXPECT_EQ(record("C.txt")->renameName(), "C (1).txt");
    EXPECT_TRUE(record("C.txt")->hasRelevantRenameNameWithError(nullptr));

    controller->setAutoUniqueify(false);
    controller->updateRenameNames();
    EXPECT_EQ(errorOf(record("B.txt")), kIsNotUnique);
    EXPECT_EQ(errorOf(record("C.txt")), kIsNotUnique);
}

TEST_F(RenamingControllerComputationTest, NamesDifferingOnlyInCaseCollide) {
    listFiles({"a1.txt", "A2.txt"});
    controller->setAutoUniqueify(true);
    useSteps({findAndReplace("\\d", "", true)});
    EXPECT_EQ(record("a1.txt")->renameName(), "a.txt");
    EXPECT_EQ(record("A2.txt")->renameName(), "A (1).txt");

    controller->setAutoUniqueify(false);
    controller->updateRenameNames();
    EXPECT_EQ(errorOf(record("A2.txt")), kIsNotUnique);
}

TEST_F(RenamingControllerComputationTest, WithoutInterimNamesNewNamesWarningsAndCollisionsStay) {
    controller->setKeepsIntermediateNames(false);
    controller->setAutoUniqueify(true);
    listFiles({"\u00c41.txt", "\u00e42.txt", "b1.txt"});
    useSteps({findAndReplace("\\d", "", true), findAndReplace("b", "b\t")});

    EXPECT_EQ(record("\u00c41.txt")->renameName(), "\u00c4.txt");
    // Letter case beyond ASCII counts as well.
    EXPECT_EQ(record("\u00e42.txt")->renameName(), "\u00e4 (1).txt");
    EXPECT_EQ(record("b1.txt")->renameName(), "b .txt");
    EXPECT_EQ(record("b1.txt")->warnings().size(), 1);
    EXPECT_EQ(record("b1.txt")->statusLight(), ZKStatusLight::Yellow);
    for (const ZKFileRepresentationPtr &record : controller->fileRepresentations())
        EXPECT_FALSE(record->hasIntermediateNames());
}

TEST_F(RenamingControllerComputationTest, SyntaxErrorWithdrawsEveryNewName) {
    listFiles({"one.txt", "two.txt"});
    useSteps({findAndReplace("o", "0")});
    ASSERT_EQ(record("one.txt")->renameName(), "0ne.txt");

    useSteps({findAndReplace("o", "0"), findAndReplace("(", "x", true)});
    for (const ZKFileRepresentationPtr &record : controller->fileRepresentations()) {
        EXPECT_FALSE(record->hasRenameName());
        EXPECT_FALSE(record->hasIntermediateNames());
        EXPECT_EQ(record->statusLight(), ZKStatusLight::Grey);
    }
    EXPECT_EQ(controller->renameButtonState().title, "Settings do not apply.");
}

// A long list whose steps look at nothing but the item is named on two threads: the names,
// interim names and the numbering of collisions must be those of one pass in list order.
TEST_F(RenamingControllerComputationTest, LongListNamedInHalvesKeepsListOrderForUniqueness) {
    QStringList names;
    for (int number = 1; number <= 3000; ++number)
        names << QStringLiteral("A%1.txt").arg(number, 4, 10, QLatin1Char('0'));
    listFiles(names);
    controller->setAutoUniqueify(true);
    controller->setKeepsIntermediateNames(true);
    const QVariantMap removeDigits{
        {"Task", 100}, {RenamerKeys::kRemoveStart, 2}, {RenamerKeys::kRemoveLength, 4}};
    const QVariantMap addSuffix{{"Task", 103}, {"Rename: Insert: String", "-x"}};
    useSteps(
        {ZKRenamer::renamerWithArchive(removeDigits), ZKRenamer::renamerWithArchive(addSuffix)});

    const QList<ZKFileRepresentationPtr> records = controller->fileRepresentations();
    ASSERT_EQ(records.size(), 3000);
    EXPECT_EQ(records.first()->renameName(), "A-x.txt");
    for (qsizetype index = 1; index < records.size(); ++index) {
        const ZKFileRepresentation &record = *records.at(index);
        ASSERT_EQ(record.name(), names.at(index));
        EXPECT_EQ(record.renameName(), QStringLiteral("A-x (%1).txt").arg(index));
        EXPECT_EQ(record.intermediateNames(), QStringList({"A.txt", "A-x.txt"}));
    }

    controller->setAutoUniqueify(false);
    controller->updateRenameNames();
    EXPECT_EQ(errorOf(records.first()), kIsNotUnique);
    EXPECT_EQ(errorOf(records.last()), kIsNotUnique);
}

// Find and Replace keeps its compiled pattern and matcher while it names: the second half of a
// long list is named with a copy of the step, which must name exactly as the step itself.
TEST_F(RenamingControllerComputationTest, LongListNamedInHalvesByPatterns) {
    QStringList names;
    for (int number = 1; number <= 3000; ++number)
        names << QStringLiteral("IMG_%1.jpg").arg(number, 4, 10, QLatin1Char('0'));
    listFiles(names);
    const QVariantMap upperCase{{"Task", ChangeCaseOperation}, {RenamerKeys::kChangeCaseName, 1}};
    // Case is ignored by default: "PHOTO" finds "Photo" through the literal's own pattern.
    useSteps({findAndReplace("IMG_(\\d+)", "Photo <$1>", true), findAndReplace("PHOTO", "pic"),
              ZKRenamer::renamerWithArchive(upperCase)});
    const QList<ZKFileRepresentationPtr> records = controller->fileRepresentations();
    ASSERT_EQ(records.size(), 3000);
    for (qsizetype index = 0; index < records.size(); ++index)
        ASSERT_EQ(records.at(index)->renameName(),
                  QStringLiteral("PIC <%1>.jpg").arg(index + 1, 4, 10, QLatin1Char('0')));

    // A broken pattern fails on both threads: no name is left, and the step shows it.
    const ZKRenamerPtr broken = findAndReplace("(", "x", true);
    useSteps({broken});
    EXPECT_EQ(broken->targetStatus(), -1);
    EXPECT_FALSE(records.first()->hasRenameName());
    EXPECT_FALSE(records.last()->hasRenameName());
}

TEST_F(RenamingControllerComputationTest, EmptyListStillRunsEveryStepWithoutARecord) {
    const ZKRenamerPtr broken = findAndReplace("(", "", true);
    useSteps({findAndReplace("a", "b"), broken});
    EXPECT_EQ(broken->targetStatus(), -1);
    EXPECT_EQ(controller->renameButtonState().title, "There is nothing to rename.");
}

TEST_F(RenamingControllerComputationTest, InterimNamesFollowEveryStepInOrder) {
    listFiles({"abc.txt"});
    useSteps({findAndReplace("a", "x"), findAndReplace("x", "y"), findAndReplace("q", "z")});
    EXPECT_EQ(record("abc.txt")->intermediateNames(),
              QStringList({"xbc.txt", "ybc.txt", "ybc.txt"}));
    EXPECT_EQ(record("abc.txt")->renameName(), "ybc.txt");
}

TEST_F(RenamingControllerComputationTest, FirstComputationLaysOutAndKeepsTheStepListNonEmpty) {
    controller->updateRenameNames();
    EXPECT_EQ(ui.layoutChanges, 1);
    ASSERT_EQ(controller->renamers().size(), 1);
    EXPECT_EQ(controller->renamers().first()->renamingDelegate(), controller.get());

    controller->updateRenameNames();
    EXPECT_EQ(ui.layoutChanges, 1);

    controller->renamers().clear();
    controller->updateRenamerLayoutAndRenameNames(false);
    EXPECT_EQ(controller->renamers().size(), 1);
    EXPECT_EQ(ui.layoutChanges, 2);
}

TEST_F(RenamingControllerComputationTest, StepsAddedToTheListReportToTheController) {
    const ZKRenamerPtr step = findAndReplace("a", "b");
    controller->renamers().append(step);
    controller->updateRenameNames();
    EXPECT_EQ(step->renamingDelegate(), controller.get());

    // A step that outlives its controller must not report to it any more.
    const ZKRenamingDelegate *former = controller.get();
    controller.reset();
    EXPECT_NE(step->renamingDelegate(), former);
}

TEST_F(RenamingControllerComputationTest, InterimIndexNeedsExactlyOneSelectedStep) {
    const QList<ZKRenamerPtr> steps{findAndReplace("a", "x"), findAndReplace("x", "y")};
    controller->setRenamers(steps);
    controller->setSelectedRenamers({steps.at(1)});
    EXPECT_EQ(controller->indexOfIntermediateNameToDisplay(), std::nullopt);  // no records

    listFiles({"a.txt"});
    EXPECT_EQ(controller->indexOfIntermediateNameToDisplay(), 1);
    EXPECT_TRUE(controller->isIntermediateNameDisplayChecked());
    EXPECT_EQ(controller->intermediateNameDisplayTitle(), "Show Interim Name");
    EXPECT_TRUE(controller->isIntermediateNameDisplayEnabled(true));
    EXPECT_FALSE(controller->isIntermediateNameDisplayEnabled(false));

    controller->setSelectedRenamers(steps);
    EXPECT_EQ(controller->indexOfIntermediateNameToDisplay(), std::nullopt);
    controller->setSelectedRenamers({});
    EXPECT_EQ(controller->indexOfIntermediateNameToDisplay(), std::nullopt);

    controller->toggleIntermediateNameDisplay();
    EXPECT_EQ(controller->indexOfIntermediateNameToDisplay(), 0);
    EXPECT_EQ(ui.stepAreaFocusRequests, 1);
    controller->toggleIntermediateNameDisplay();
    EXPECT_EQ(controller->indexOfIntermediateNameToDisplay(), std::nullopt);
    EXPECT_TRUE(controller->selectedRenamers().isEmpty());
}

TEST_F(RenamingControllerComputationTest, RemovedStepsLeaveTheSelection) {
    const QList<ZKRenamerPtr> steps{findAndReplace("a", "x"), findAndReplace("x", "y")};
    listFiles({"a.txt", "b.txt"});
    useSteps(steps);
    controller->setSelectedRenamers({steps.at(0)});
    EXPECT_EQ(controller->intermediateNameDisplayTitle(), "Show Interim Names");

    steps.at(0)->remove();
    EXPECT_EQ(controller->renamers(), QList<ZKRenamerPtr>{steps.at(1)});
    EXPECT_TRUE(controller->selectedRenamers().isEmpty());
    EXPECT_EQ(record("a.txt")->renameName(), "a.txt");
}

TEST_F(RenamingControllerComputationTest, CommonPrefixFollowsTheListAndTheGibberishSwitch) {
    EXPECT_EQ(controller->commonPrefix(), "");
    listFiles({"IMG_0012.jpg", "IMG_0047.jpg"}, "photos");
    EXPECT_EQ(controller->commonPrefix(), "IMG");
    controller->setIgnoreTrailingGibberish(false);
    EXPECT_EQ(controller->commonPrefix(), "IMG_00");

    controller->clear();
    listFiles({"Report 1.pdf", "Report 2.pdf"}, "reports");
    controller->setIgnoreTrailingGibberish(true);
    EXPECT_EQ(controller->commonPrefix(), "Report");
}

TEST_F(RenamingControllerComputationTest, RenameButtonCountsTheFilesThatWillBeRenamed) {
    // Without the confirmation before every run, only warnings promise a question.
    controller->generalSettings().confirmBeforeRenaming = false;
    listFiles({"a.txt", "ab.txt"});
    useSteps({findAndReplace("b", "y")});
    EXPECT_EQ(ui.lastButtonState().title, "Rename 1 of 2 Files");
    EXPECT_TRUE(ui.lastButtonState().enabled);

    useSteps({findAndReplace("a", "x")});
    EXPECT_EQ(ui.lastButtonState().title, "Rename 2 Files");

    // Numbered names carry warnings: a question will come first.
    controller->setAutoUniqueify(true);
    useSteps({findAndReplace("a.*", "c", true)});
    EXPECT_EQ(ui.lastButtonState().title, "Rename 2 Files...");
    controller->setRenameFolders(true);
    controller->updateRenameNames();
    EXPECT_EQ(ui.lastButtonState().title, "Rename 2 Items...");

    useSteps({findAndReplace("q", "z")});
    EXPECT_EQ(ui.lastButtonState().title, "Settings do not apply.");
    EXPECT_FALSE(ui.lastButtonState().enabled);

    controller->setRenameFolders(false);
    controller->clear();
    listFiles({"solo.txt"}, "single");
    useSteps({findAndReplace("solo", "duo")});
    EXPECT_EQ(ui.lastButtonState().title, "Rename solo.txt");
}

TEST_F(RenamingControllerComputationTest, PromptAsksEachQuestionOncePerPrototype) {
    ui.promptAnswer = QStringLiteral("Summer");
    EXPECT_EQ(controller->promptedParameter("Which season?", "[prompt \"Which season?\"]"),
              "Summer");
    ui.promptAnswer = QStringLiteral("Winter");
    EXPECT_EQ(controller->promptedParameter("WHICH SEASON?", "[prompt \"Which season?\"]"),
              "Summer");
    EXPECT_EQ(controller->promptedParameter("Which season?", "[prompt \"Which season?\"] "),
              "Winter");
    EXPECT_EQ(ui.prompts.size(), 2);

    ui.promptAnswer = QStringLiteral("");
    const QString empty = controller->promptedParameter("", "other");
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_FALSE(empty.isNull());
    EXPECT_EQ(ui.prompts.last(), "[prompt] requires user input");

    ui.promptAnswer = std::nullopt;
    EXPECT_TRUE(controller->promptedParameter("Again?", "other").isNull());

    // A new list forgets the answers.
    listFiles({"a.txt"});
    ui.promptAnswer = QStringLiteral("Autumn");
    EXPECT_EQ(controller->promptedParameter("Which season?", "[prompt \"Which season?\"]"),
              "Autumn");
}
