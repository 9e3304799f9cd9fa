#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "StepAreaFixture.h"
#include "app/steps/Eventually.h"
#include "app/steps/ZKChangeCaseEditor.h"
#include "app/steps/ZKFindAndReplaceEditor.h"

// The settings view of a step: its controls edit the step, switches and menus recompute at
// once, typing recomputes after the delay, shared fields stay alike.
class StepEditorsTest : public StepAreaFixture {
protected:
    ZKRenamerPtr onlyStep() const { return controller->renamers().first(); }
};

TEST_F(StepEditorsTest, TypingRecomputesOnceAfterTheLastKeystroke) {
    useSteps({findAndReplace(QString(), "omega")});
    ZKProxyField *target = tokenField(0, RenamerSetting::Target);
    ASSERT_TRUE(target);
    const int before = computations();

    QTest::keyClicks(target, "alp");
    EXPECT_EQ(computations(), before) << "nothing while typing";
    EXPECT_TRUE(controller->isRenamePathsUpdatePending());
    QTest::qWait(250);
    QTest::keyClicks(target, "ha");
    QTest::qWait(250);
    EXPECT_EQ(computations(), before) << "each keystroke restarts the delay";

    EXPECT_EVENTUALLY_EQ(computations(), before + 1, 3000);
    EXPECT_EQ(newName("alpha.txt"), "omega.txt");
    QTest::qWait(700);
    EXPECT_EQ(computations(), before + 1) << "one computation for the whole burst";
    EXPECT_EQ(TokenList::plainText(onlyStep()->tokenListValue(RenamerSetting::Target)), "alpha");
}

TEST_F(StepEditorsTest, ChangingTheOperationRecomputesAtOnceAndShowsItsEditor) {
    useSteps(
        {stepWith({{"Rename: Find/Replace: Target", "zzz"}, {"Rename: Insert: String", "pre-"}})});
    EXPECT_EQ(newName("alpha.txt"), "alpha.txt");
    const int before = computations();

    choose(view(0)->operationSelector(), AddPrefixOperation);
    EXPECT_EQ(onlyStep()->operation(), AddPrefixOperation);
    EXPECT_EQ(newName("alpha.txt"), "pre-alpha.txt") << "without waiting";
    EXPECT_GT(computations(), before);
    ASSERT_TRUE(tokenField(0, RenamerSetting::InsertString));
    EXPECT_EQ(tokenField(0, RenamerSetting::InsertString)->text(), "pre-");
    EXPECT_FALSE(tokenField(0, RenamerSetting::Target)) << "the Find and Replace editor is gone";
}

TEST_F(StepEditorsTest, SwitchesRecomputeAtOnce) {
    useSteps({findAndReplace("ALPHA", "x")});
    EXPECT_EQ(newName("alpha.txt"), "x.txt");
    auto *ignoreCase = control<QCheckBox>(0, RenamerSetting::IgnoreCase);
    ASSERT_TRUE(ignoreCase);
    EXPECT_TRUE(ignoreCase->isChecked());
    ignoreCase->click();
    EXPECT_FALSE(onlyStep()->switchValue(RenamerSetting::IgnoreCase));
    EXPECT_EQ(newName("alpha.txt"), "alpha.txt");
}

TEST_F(StepEditorsTest, TheFiveFieldsOfTheInsertTextStayAlike) {
    useSteps({stepWith({{"Task", qint64(InsertOperation)}})});
    ZKProxyField *insert = tokenField(0, RenamerSetting::InsertString);
    ASSERT_TRUE(insert);
    QTest::keyClicks(insert, "X");

    choose(view(0)->operationSelector(), AddPrefixOperation);
    ZKProxyField *prefix = tokenField(0, RenamerSetting::InsertString);
    ASSERT_TRUE(prefix);
    EXPECT_NE(prefix, insert);
    EXPECT_EQ(prefix->text(), "X");
    QTest::keyClicks(prefix, "Y");
    EXPECT_EQ(insert->text(), "XY") << "the hidden Insert field follows";

    choose(view(0)->operationSelector(), AddSuffixOperation);
    ZKProxyField *suffix = tokenField(0, RenamerSetting::InsertString);
    ASSERT_TRUE(suffix);
    EXPECT_EQ(suffix->text(), "XY");
    suffix->end(false);
    QTest::keyClick(suffix, Qt::Key_Backspace);
    EXPECT_EQ(prefix->text(), "X");
    EXPECT_EQ(insert->text(), "X");
    EXPECT_EQ(onlyStep()->tokenListValue(RenamerSetting::InsertString), QVariantList{"X"});
}

TEST_F(StepEditorsTest, TitleCaseRowsShowForTitleCaseAndFollowTheExceptionSwitch) {
    useSteps({stepWith({{"Task", qint64(ChangeCaseOperation)}})});
    auto *editor = qobject_cast<ZKChangeCaseEditor *>(view(0)->editor());
    ASSERT_TRUE(editor);
    EXPECT_FALSE(editor->cutOffRow()->isVisibleTo(editor)) << "lower case";
    EXPECT_FALSE(editor->modeRow()->isVisibleTo(editor));

    choose(control<QComboBox>(0, RenamerSetting::ChangeCaseName), 4);
    EXPECT_EQ(newName("alpha.txt"), "Alpha.txt");
    EXPECT_TRUE(editor->cutOffRow()->isVisibleTo(editor));
    EXPECT_TRUE(editor->modeRow()->isVisibleTo(editor));
    EXPECT_TRUE(editor->cutOffSelector()->isEnabled());
    EXPECT_TRUE(editor->modeSelector()->isEnabled());

    control<QCheckBox>(0, RenamerSetting::TitleCaseException)->click();
    EXPECT_FALSE(onlyStep()->switchValue(RenamerSetting::TitleCaseException));
    EXPECT_FALSE(editor->cutOffSelector()->isEnabled());
    EXPECT_FALSE(editor->modeSelector()->isEnabled());
    EXPECT_TRUE(editor->cutOffRow()->isVisibleTo(editor)) << "shown, only disabled";

    choose(control<QComboBox>(0, RenamerSetting::ChangeCaseName), 1);
    EXPECT_FALSE(editor->cutOffRow()->isVisibleTo(editor));
    EXPECT_EQ(newName("alpha.txt"), "ALPHA.txt");
}

TEST_F(StepEditorsTest, BrokenRegularExpressionIsShownRedWithItsError) {
    useSteps({findAndReplace("(")});
    auto *editor = qobject_cast<ZKFindAndReplaceEditor *>(view(0)->editor());
    ASSERT_TRUE(editor);
    EXPECT_FALSE(editor->targetStatusIndicator()->isVisible()) << "plain text: no status";
    EXPECT_EQ(newName("alpha.txt"), "alpha.txt");

    control<QCheckBox>(0, RenamerSetting::QueryIsRegEx)->click();
    EXPECT_TRUE(editor->targetStatusIndicator()->isVisible());
    EXPECT_EQ(editor->targetStatus(), -1);
    EXPECT_TRUE(editor->targetStatusIndicator()->toolTip().contains("parenthesis"))
        << editor->targetStatusIndicator()->toolTip();
    EXPECT_TRUE(controller->hadSyntaxError());
    EXPECT_EQ(newName("alpha.txt"), "") << "no half-applied steps";

    ZKProxyField *target = tokenField(0, RenamerSetting::Target);
    target->end(false);
    QTest::keyClicks(target, "a)");
    EXPECT_EQ(editor->targetStatus(), 1) << "judged while typing";
    target->selectAll();
    QTest::keyClick(target, Qt::Key_Backspace);
    EXPECT_EQ(editor->targetStatus(), 0);
}

TEST_F(StepEditorsTest, NumberFieldTakesItsDefaultForTextThatIsNoNumber) {
    useSteps({stepWith({{"Task", qint64(RemoveOperation)}, {"Rename: Remove: Length", 2}})});
    QLineEdit *length = field(0, RenamerSetting::RemoveLength);
    QLineEdit *start = field(0, RenamerSetting::RemoveStart);
    ASSERT_TRUE(length && start);
    EXPECT_EQ(length->text(), "2");
    EXPECT_EQ(start->text(), "1");

    length->selectAll();
    QTest::keyClicks(length, "x");
    EXPECT_EQ(onlyStep()->integerValue(RenamerSetting::RemoveLength), 0);
    EXPECT_EQ(length->text(), "x") << "left alone while typing";
    length->setFocus();
    start->setFocus();
    emit length->editingFinished();
    EXPECT_EQ(length->text(), "0");

    start->selectAll();
    QTest::keyClicks(start, "3");
    length->selectAll();
    QTest::keyClicks(length, "2");
    EXPECT_EVENTUALLY_EQ(newName("alpha.txt"), QString("ala.txt"), 3000);
}

TEST_F(StepEditorsTest, CollapsedStepShowsASummaryInsteadOfItsEditor) {
    useSteps({findAndReplace("alpha", "omega")});
    EXPECT_FALSE(view(0)->summaryLabel()->isVisibleTo(view(0)));
    const int heightExpanded = view(0)->height();

    view(0)->expansionSwitch()->click();
    EXPECT_FALSE(onlyStep()->switchValue(RenamerSetting::Expanded));
    EXPECT_FALSE(view(0)->editor()->isVisibleTo(view(0)));
    EXPECT_TRUE(view(0)->summaryLabel()->isVisibleTo(view(0)));
    EXPECT_TRUE(view(0)->summaryLabel()->text().contains("alpha"));
    EXPECT_TRUE(view(0)->summaryLabel()->text().contains("omega"));
    EXPECT_EVENTUALLY_TRUE(view(0)->height() < heightExpanded, 5000);
    EXPECT_EQ(view(0)->firstTextField(), nullptr);

    view(0)->expansionSwitch()->click();
    EXPECT_TRUE(view(0)->editor()->isVisibleTo(view(0)));
}

TEST_F(StepEditorsTest, EditingTextAroundATokenKeepsTheToken) {
    const QVariantMap token{{"Proxy", "date: current"}};
    useSteps({stepWith({{"Task", qint64(AddPrefixOperation)},
                        {"Rename: Insert: String", QVariantList{"a", token}}})});
    ZKProxyField *prefix = tokenField(0, RenamerSetting::InsertString);
    ASSERT_TRUE(prefix);
    prefix->end(false);
    QTest::keyClicks(prefix, "b");
    EXPECT_EQ(onlyStep()->tokenListValue(RenamerSetting::InsertString),
              QVariantList({"a", token, "b"}));
}

TEST_F(StepEditorsTest, ComposeTakesTheSharedTextAndTokensAsItsTemplate) {
    const QVariantMap parent{{"Proxy", "parent folder: name"}};
    useSteps({stepWith({{"Task", qint64(InsertOperation)},
                        {"Rename: Insert: String", QVariantList{"Holiday ", parent}}})});
    choose(view(0)->operationSelector(), ComposeOperation);
    ZKProxyField *name = tokenField(0, RenamerSetting::InsertString);
    ASSERT_TRUE(name) << "Compose has its editor";
    EXPECT_EQ(name->list(), QVariantList({"Holiday ", parent}));
    const QString folder = QDir(dir.path()).dirName();
    EXPECT_EQ(newName("alpha.txt"), "Holiday " + folder + ".txt");

    control<QCheckBox>(0, RenamerSetting::ComposePreserveExtension)->click();
    EXPECT_EQ(newName("alpha.txt"), "Holiday " + folder);
    EXPECT_EQ(view(0)->editor()->summary(), "“Holiday <Name of Parent Folder>”");
}

TEST_F(StepEditorsTest, ShowingTheStepAgainLeavesTheCaretOfATokenFieldAlone) {
    const QVariantMap parent{{"Proxy", "parent folder: name"}};
    // Two texts side by side and a line end, as an older archive may hold them.
    useSteps({stepWith({{"Task", qint64(AddPrefixOperation)},
                        {"Rename: Insert: String", QVariantList{"a", "b\nc", parent}}})});
    ZKProxyField *prefix = tokenField(0, RenamerSetting::InsertString);
    ASSERT_TRUE(prefix);
    EXPECT_EQ(prefix->list(), QVariantList({"ab c", parent})) << "one line";
    prefix->setCursorPosition(2);
    view(0)->editor()->refresh();
    EXPECT_EQ(prefix->cursorPosition(), 2);
    EXPECT_EQ(onlyStep()->tokenListValue(RenamerSetting::InsertString),
              QVariantList({"a", "b\nc", parent}))
        << "nothing is written back until the user edits";
}
