#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "StepAreaFixture.h"
#include "app/steps/Eventually.h"
#include "common/Log.h"

// Editing the step list through the step area: adding, deleting, duplicating, resetting,
// reordering by dragging and replacing the whole list.
class StepListEditingTest : public StepAreaFixture {};

TEST_F(StepListEditingTest, AddedStepGoesAfterTheLastSelectedStepOrAtTheEnd) {
    useNumberedSteps(4);
    area->addRenamer();
    EXPECT_EQ(controller->renamers().size(), 5);
    EXPECT_EQ(targets().mid(0, 4), QStringList({"1", "2", "3", "4"})) << "appended";
    EXPECT_TRUE(viewsMatchSteps());
    EXPECT_TRUE(controller->selectedRenamers().isEmpty())
        << "without a selection the new step is selected only by the user default";

    useNumberedSteps(4);
    area->selectByClick(view(0), Qt::NoModifier);
    area->selectByClick(view(2), Qt::ControlModifier);
    area->addRenamer();
    ASSERT_EQ(controller->renamers().size(), 5);
    EXPECT_EQ(targets(), QStringList({"1", "2", "3", "", "4"}));
    EXPECT_TRUE(viewsMatchSteps());
    EXPECT_EQ(controller->selectedRenamers(), QList<ZKRenamerPtr>{controller->renamers().at(3)});
    EXPECT_TRUE(view(3)->isSelected());
    EXPECT_FALSE(view(0)->isSelected());
}

TEST_F(StepListEditingTest, AddedStepIsSelectedWhenTheUserDefaultSaysSo) {
    UserDefaults::standardUserDefaults().setBool(true,
                                                 ZKRenamingController::alwaysSelectAddedStepsKey);
    useNumberedSteps(2);
    area->addRenamer();
    EXPECT_EQ(controller->selectedRenamers(), QList<ZKRenamerPtr>{controller->renamers().last()});
    EXPECT_TRUE(view(2)->isSelected());
}

TEST_F(StepListEditingTest, DeletingSelectedStepsKeepsOneDefaultStepAndAddingBringsThemBack) {
    useNumberedSteps(3);
    area->deleteSelectedConfigurations();
    EXPECT_EQ(ui.beeps, 1) << "nothing selected";
    EXPECT_EQ(targets(), QStringList({"1", "2", "3"}));

    area->selectByClick(view(0), Qt::NoModifier);
    area->selectByClick(view(2), Qt::ShiftModifier);
    area->deleteSelectedConfigurations();
    EXPECT_EQ(targets(), QStringList({""})) << "one default step";
    EXPECT_TRUE(viewsMatchSteps());
    EXPECT_EQ(view(0)->renamer()->operation(), FindAndReplaceOperation);
    EXPECT_TRUE(controller->selectedRenamers().isEmpty());

    area->addRenamer();
    EXPECT_EQ(targets(), QStringList({"", "3"})) << "the last deleted step comes back first";
    area->addRenamer();
    area->addRenamer();
    EXPECT_EQ(targets(), QStringList({"", "3", "2", "1"}));
}

TEST_F(StepListEditingTest, OneStepDeletedAmongOthersLeavesTheRestInOrder) {
    useNumberedSteps(3);
    area->selectByClick(view(1), Qt::NoModifier);
    const int before = computations();
    area->deleteSelectedConfigurations();
    EXPECT_EQ(targets(), QStringList({"1", "3"}));
    EXPECT_TRUE(viewsMatchSteps());
    EXPECT_GT(computations(), before) << "names are recomputed";
    EXPECT_FALSE(area->deleteButton()->isEnabled()) << "nothing left selected";
}

TEST_F(StepListEditingTest, ContextMenuDuplicatesAndDeletesOrResets) {
    useNumberedSteps(3);
    std::unique_ptr<QMenu> menu(area->contextMenuForView(view(1)));
    EXPECT_TRUE(view(1)->isSelected()) << "opening the menu among several steps selects it";
    QList<QAction *> actions = menu->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions.at(0)->text(), "Duplicate Renaming Step");
    EXPECT_TRUE(actions.at(1)->isSeparator());
    EXPECT_EQ(actions.at(2)->text(), "Delete");

    actions.at(0)->trigger();
    EXPECT_EQ(targets(), QStringList({"1", "2", "2", "3"}));
    EXPECT_TRUE(viewsMatchSteps());
    EXPECT_NE(controller->renamers().at(1), controller->renamers().at(2));
    EXPECT_EQ(controller->selectedRenamers(), QList<ZKRenamerPtr>{controller->renamers().at(2)})
        << "the copy is selected";

    menu.reset(area->contextMenuForView(view(3)));
    menu->actions().at(2)->trigger();
    EXPECT_EQ(targets(), QStringList({"1", "2", "2"}));
    EXPECT_TRUE(viewsMatchSteps());

    useNumberedSteps(1);
    menu.reset(area->contextMenuForView(view(0)));
    EXPECT_FALSE(view(0)->isSelected()) << "a lone step is not selected by its menu";
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_EQ(menu->actions().at(2)->text(), "Reset");
    menu->actions().at(2)->trigger();
    EXPECT_EQ(targets(), QStringList({""})) << "the default step takes its place";
    EXPECT_TRUE(viewsMatchSteps());
    area->addRenamer();
    EXPECT_EQ(targets(), QStringList({"", "1"})) << "the reset step is on the removed stack";
}

TEST_F(StepListEditingTest, MovingAViewReordersTheStepsAndRecomputes) {
    // "a" -> "b" then "b" -> "c": the order decides the name.
    useSteps({findAndReplace("alpha", "beta"), findAndReplace("beta", "gamma")});
    EXPECT_EQ(newName("alpha.txt"), "gamma.txt");
    const ZKRenamerPtr first = controller->renamers().at(0);

    view(0)->move(view(0)->x(), view(1)->y() + 1);
    area->sortConfigurationsByViewYCoordinates();
    EXPECT_EQ(controller->renamers().at(1), first);
    EXPECT_TRUE(viewsMatchSteps());
    EXPECT_EQ(newName("alpha.txt"), "beta.txt");
    EXPECT_LT(view(0)->y(), view(1)->y()) << "tiled again in the new order";
}

TEST_F(StepListEditingTest, DraggingTheGripMovesTheStepDown) {
    useNumberedSteps(3);
    QWidget *grip = view(0)->dragGrip();
    const QPoint inGrip = grip->rect().center();
    const QPoint global = grip->mapToGlobal(inGrip);
    const QPoint belowLast = global + QPoint(0, view(2)->y() + view(2)->height() / 2 + 10);
    auto send = [grip](QEvent::Type type, const QPoint &globalPoint) {
        QMouseEvent event(type, grip->mapFromGlobal(globalPoint), globalPoint, Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(grip, &event);
    };
    send(QEvent::MouseButtonPress, global);
    send(QEvent::MouseMove, global + QPoint(0, 40));
    const int lastTop = view(2)->y();
    send(QEvent::MouseMove, belowLast);
    EXPECT_LT(view(2)->y(), lastTop) << "the others make room while dragging";
    EXPECT_EQ(targets(), QStringList({"1", "2", "3"})) << "the order changes on the drop";
    send(QEvent::MouseButtonRelease, belowLast);
    EXPECT_EQ(targets(), QStringList({"2", "3", "1"}));
    EXPECT_TRUE(viewsMatchSteps());
}

TEST_F(StepListEditingTest, ReplacingWithAnEqualListChangesNothing) {
    useNumberedSteps(2);
    const auto viewsBefore = area->configurationViews();
    const int layouts = ui.layoutChanges;
    const int before = computations();
    area->setRenamers({findAndReplace("1"), findAndReplace("2")}, 0);
    EXPECT_EQ(ui.layoutChanges, layouts);
    EXPECT_EQ(computations(), before);
    EXPECT_EQ(area->configurationViews(), viewsBefore);

    area->setRenamers({findAndReplace("alpha", "omega")}, 0);
    EXPECT_EQ(targets(), QStringList({"alpha"}));
    EXPECT_TRUE(viewsMatchSteps());
    EXPECT_EQ(newName("alpha.txt"), "omega.txt");
}

TEST_F(StepListEditingTest, ReplacingWithAnimationSlidesInTheChosenDirection) {
    useNumberedSteps(1);
    area->setRenamers({findAndReplace("x")}, -1);
    auto *overlay = area->viewport()->findChild<QWidget *>("slideOverlay");
    ASSERT_TRUE(overlay);
    auto *incoming = overlay->findChild<QLabel *>("incoming");
    ASSERT_TRUE(incoming);
    EXPECT_LT(incoming->x(), 0) << "-1: the new steps come in from the left";
    EXPECT_EVENTUALLY_TRUE(!area->viewport()->findChild<QWidget *>("slideOverlay"), 3000);

    area->setRenamers({findAndReplace("y")}, 1);
    overlay = area->viewport()->findChild<QWidget *>("slideOverlay");
    ASSERT_TRUE(overlay);
    EXPECT_GT(overlay->findChild<QLabel *>("incoming")->x(), 0) << "from the right";
    EXPECT_EVENTUALLY_TRUE(!area->viewport()->findChild<QWidget *>("slideOverlay"), 3000);
    EXPECT_EQ(targets(), QStringList({"y"}));
}

TEST_F(StepListEditingTest, SelectionByClickDrivesTheInterimDisplay) {
    useNumberedSteps(3);
    const int before = computations();
    area->selectByClick(view(1), Qt::NoModifier);
    EXPECT_EQ(controller->indexOfIntermediateNameToDisplay(), std::optional<qsizetype>(1));
    EXPECT_GT(computations(), before) << "the list is redrawn";
    EXPECT_TRUE(view(1)->isSelected());
    EXPECT_TRUE(area->deleteButton()->isEnabled());

    area->selectByClick(view(2), Qt::ControlModifier);
    EXPECT_EQ(controller->selectedRenamers().size(), 2);
    EXPECT_EQ(controller->indexOfIntermediateNameToDisplay(), std::nullopt);

    area->selectByClick(view(1), Qt::ControlModifier);
    EXPECT_EQ(controller->indexOfIntermediateNameToDisplay(), std::optional<qsizetype>(2));

    QTest::mouseClick(area->widget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(5, area->widget()->height() - 2));
    EXPECT_TRUE(controller->selectedRenamers().isEmpty()) << "a click beside the steps";
    EXPECT_FALSE(view(2)->isSelected());
}

TEST_F(StepListEditingTest, PlusAndMinusButtonsAddAndDelete) {
    useNumberedSteps(2);
    EXPECT_FALSE(area->deleteButton()->isEnabled());
    area->addButton()->click();
    EXPECT_EQ(controller->renamers().size(), 3);
    area->selectByClick(view(0), Qt::NoModifier);
    area->deleteButton()->click();
    EXPECT_EQ(targets(), QStringList({"2", ""}));
    EXPECT_TRUE(viewsMatchSteps());
}

TEST_F(StepListEditingTest, AddedOrReplacedStepsTakeTheKeyboardFocusInTheirFirstTextField) {
    area->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(area.get()));
    useNumberedSteps(2);
    area->addRenamer();
    EXPECT_EQ(QApplication::focusWidget(), view(2)->firstTextField());
    EXPECT_NE(view(2)->firstTextField(), nullptr);

    area->setRenamers({findAndReplace("x"), findAndReplace("y")}, 0);
    EXPECT_EQ(QApplication::focusWidget(), view(0)->firstTextField());

    // A step without a text field leaves the focus to the step area.
    area->setRenamers({stepWith({{"Task", qint64(ChangeCaseOperation)}})}, 0);
    EXPECT_EQ(QApplication::focusWidget(), area.get());
}

TEST_F(StepListEditingTest, ShiftClickOnOneExpansionSwitchCollapsesEveryStep) {
    useNumberedSteps(3);
    QTest::mouseClick(view(1)->expansionSwitch(), Qt::LeftButton, Qt::ShiftModifier);
    for (const ZKRenamerPtr &step : controller->renamers())
        EXPECT_FALSE(step->switchValue(RenamerSetting::Expanded));
    for (ZKRenamerSettingsView *each : area->configurationViews())
        EXPECT_TRUE(each->summaryLabel()->isVisibleTo(each));

    QTest::mouseClick(view(2)->expansionSwitch(), Qt::LeftButton);
    EXPECT_TRUE(controller->renamers().at(2)->switchValue(RenamerSetting::Expanded));
    EXPECT_FALSE(controller->renamers().at(0)->switchValue(RenamerSetting::Expanded))
        << "without Shift only the one step";
}

TEST_F(StepListEditingTest, RelayoutFitsMultiLineFieldsToTheirTextAndSaysSoInTheDebugLog) {
    QStringList lines;
    Log::setSink([&lines](const QString &line) { lines.append(line); });
    UserDefaults::standardUserDefaults().setBool(true, QStringLiteral("ZKDebugLog"));
    useSteps({stepWith({{"Task", qint64(SequenceOperation)},
                        {"Rename: Sequence: Type", qint64(TermSequence)},
                        {"Rename: Sequence: Terms", "red\ngreen\nblue\ncyan"}})});
    UserDefaults::standardUserDefaults().removeObjectForKey(QStringLiteral("ZKDebugLog"));
    Log::setSink({});

    auto *terms = view(0)->findChild<QPlainTextEdit *>();
    ASSERT_TRUE(terms);
    EXPECT_GE(terms->height(), 4 * terms->fontMetrics().lineSpacing());
    EXPECT_TRUE(lines.contains("[Debug] adjusted text field sizes at recursion level: 1"))
        << lines.join("\n");

    // Every line shows without scrolling, a last empty line too.
    for (const QString &text :
         {QStringLiteral("red\ngreen\nblue\ncyan"), QStringLiteral("red\ngreen\nblue\n")}) {
        terms->setPlainText(text);
        view(0)->adjustTextFieldHeights();
        QCoreApplication::processEvents();
        EXPECT_EQ(terms->verticalScrollBar()->maximum(), 0) << text.toStdString();
    }
}
