#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <limits>

#include "SequenceEditorFixture.h"
#include "app/steps/Eventually.h"
#include "app/steps/SequenceFirstNumberField.h"
#include "app/steps/ZKTextFileReadingTextField.h"
#include "app/tokens/ZKLazySequenceProxyField.h"
#include "engine/LazinessIndicator.h"

// The Sequence editor: rows per type, the first number in the type's notation, the menus and
// fields reaching the step, the laziness indicator command.
class SequenceEditorTest : public SequenceEditorFixture {
protected:
    QLineEdit *firstNumberText(ZKSequenceEditor *editor) const {
        return editor->firstNumberField()->findChild<QLineEdit *>();
    }
};

TEST_F(SequenceEditorTest, EachTypeShowsItsRows) {
    ZKSequenceEditor *editor = useSequence();
    ASSERT_TRUE(editor);
    QComboBox *digits = menu(RenamerSetting::SequenceMinimumNumberOfDigits);
    QLineEdit *stepValue = field(0, RenamerSetting::SequenceStepValue);
    ASSERT_TRUE(digits && stepValue);
    struct Rows {
        int type;
        bool firstNumber, digits, terms;
    };
    for (const Rows &rows :
         {Rows{UppercaseRomanSequence, true, false, false}, Rows{TermSequence, false, false, true},
          Rows{LowercaseLetterSequence, true, false, false},
          Rows{NumberSequence, true, true, false}, Rows{LowercaseRomanSequence, true, false, false},
          Rows{UppercaseLetterSequence, true, false, false}}) {
        choose(menu(RenamerSetting::SequenceType), rows.type);
        EXPECT_EQ(step().integerValue(RenamerSetting::SequenceType), rows.type);
        EXPECT_EQ(editor->firstNumberField()->isVisible(), rows.firstNumber) << rows.type;
        EXPECT_EQ(stepValue->isVisible(), rows.firstNumber) << rows.type;
        EXPECT_EQ(digits->isVisible(), rows.digits) << rows.type;
        EXPECT_EQ(editor->termsField()->isVisible(), rows.terms) << rows.type;
        for (RenamerSetting shared : {RenamerSetting::InsertString, RenamerSetting::SequenceSuffix,
                                      RenamerSetting::SequenceIdentifier})
            EXPECT_TRUE(tokenField(0, shared)->isVisible()) << rows.type;
    }
}

TEST_F(SequenceEditorTest, FirstNumberIsTypedAndSteppedInTheTypesNotation) {
    ZKSequenceEditor *editor = useSequence({{"Rename: Sequence: Type", UppercaseLetterSequence}});
    SequenceFirstNumberField *first = editor->firstNumberField();
    QLineEdit *text = firstNumberText(editor);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->text(), "A");

    first->setFocus();
    text->selectAll();
    QTest::keyClicks(text, "c");
    EXPECT_EQ(step().integerValue(RenamerSetting::SequenceFirstNumber), 3);
    EXPECT_EQ(text->text(), "C") << "answered in canonical notation";
    EXPECT_EVENTUALLY_EQ(newName("alpha.txt"), QString("C.txt"), 3000);
    EXPECT_TRUE(editor->summary().contains("from C by 1")) << editor->summary();

    const int before = computations();
    QTest::keyClick(first, Qt::Key_Up);
    EXPECT_EQ(step().integerValue(RenamerSetting::SequenceFirstNumber), 4);
    EXPECT_EQ(text->text(), "D");
    EXPECT_EQ(computations(), before + 1) << "a step recomputes at once";
    EXPECT_EQ(newName("beta.txt"), "E.txt");

    choose(menu(RenamerSetting::SequenceType), UppercaseRomanSequence);
    EXPECT_EQ(text->text(), "IV") << "a new type rewrites the field";
    choose(menu(RenamerSetting::SequenceType), NumberSequence);
    EXPECT_EQ(text->text(), "4");

    choose(menu(RenamerSetting::SequenceType), LowercaseLetterSequence);
    first->setFocus();
    text->selectAll();
    QTest::keyClicks(text, "2");
    EXPECT_EQ(text->text(), "b") << "a decimal number typed into letters is read as one";
}

TEST_F(SequenceEditorTest, EmptiedFirstNumberWaitsForTheNextCharacter) {
    ZKSequenceEditor *editor = useSequence({{"Rename: Sequence: Type", UppercaseLetterSequence},
                                            {"Rename: Sequence: First Number", 5}});
    QLineEdit *text = firstNumberText(editor);
    editor->firstNumberField()->setFocus();
    text->selectAll();
    QTest::keyClick(text, Qt::Key_Backspace);
    EXPECT_EQ(text->text(), "");
    QTest::keyClicks(text, "C");
    EXPECT_EQ(step().integerValue(RenamerSetting::SequenceFirstNumber), 3)
        << "not \"-C\", minus three";

    text->selectAll();
    QTest::keyClicks(text, "-");
    EXPECT_EQ(text->text(), "-") << "a minus sign stays while a negative number is typed";
    QTest::keyClicks(text, "B");
    EXPECT_EQ(step().integerValue(RenamerSetting::SequenceFirstNumber), -2);
}

TEST_F(SequenceEditorTest, StepperStopsAtTheEndsOfTheRange) {
    constexpr qint64 kMaximum = std::numeric_limits<qint64>::max();
    ZKSequenceEditor *editor = useSequence();
    SequenceFirstNumberField *first = editor->firstNumberField();
    step().setNumberValue(RenamerSetting::SequenceFirstNumber, kMaximum - 1);
    editor->refresh();
    first->stepBy(5);
    EXPECT_EQ(step().integerValue(RenamerSetting::SequenceFirstNumber), kMaximum);
    EXPECT_EQ(firstNumberText(editor)->text(), QString::number(kMaximum));
    QTest::keyClick(first, Qt::Key_Up);
    EXPECT_EQ(step().integerValue(RenamerSetting::SequenceFirstNumber), kMaximum)
        << "no wrap-around to the smallest number";

    step().setNumberValue(RenamerSetting::SequenceFirstNumber,
                          std::numeric_limits<qint64>::min() + 1);
    editor->refresh();
    first->stepBy(-3);
    EXPECT_EQ(step().integerValue(RenamerSetting::SequenceFirstNumber),
              std::numeric_limits<qint64>::min());
}

TEST_F(SequenceEditorTest, DigitsStepValueAndSuffixReachTheStep) {
    useSequence();
    EXPECT_EQ(newName("alpha.txt"), "1.txt");

    int before = computations();
    choose(menu(RenamerSetting::SequenceMinimumNumberOfDigits), 3);
    EXPECT_EQ(step().integerValue(RenamerSetting::SequenceMinimumNumberOfDigits), 3);
    EXPECT_EQ(computations(), before + 1) << "a menu recomputes at once";
    EXPECT_EQ(newName("beta.txt"), "002.txt");

    QLineEdit *stepValue = field(0, RenamerSetting::SequenceStepValue);
    stepValue->selectAll();
    QTest::keyClicks(stepValue, "10");
    QTest::keyClicks(tokenField(0, RenamerSetting::SequenceSuffix), " x");
    before = computations();
    EXPECT_EQ(newName("beta.txt"), "002.txt") << "typing waits for the delay";
    EXPECT_EVENTUALLY_EQ(newName("beta.txt"), QString("011 x.txt"), 3000);
    EXPECT_EQ(computations(), before + 1) << "one computation for both fields";

    ZKProxyField *suffix = tokenField(0, RenamerSetting::SequenceSuffix);
    suffix->selectAll();
    QTest::keyClick(suffix, Qt::Key_Backspace);
    control<QCheckBox>(0, RenamerSetting::SequencePreserveExtension)->click();
    EXPECT_EQ(newName("alpha.txt"), "001");
}

TEST_F(SequenceEditorTest, LazinessIndicatorIsInsertedOnceAndRecomputesAtOnce) {
    ZKSequenceEditor *editor = useSequence({{"Rename: Sequence: Identifier", QVariantList{"ab"}}});
    ZKLazySequenceProxyField *identifier = editor->identifierField();
    identifier->setCursorPosition(1);
    auto *button = editor->findChild<QToolButton *>("lazinessButton");
    ASSERT_TRUE(button && button->menu());
    emit button->menu()->aboutToShow();
    EXPECT_TRUE(editor->insertLazinessIndicatorAction()->isEnabled());

    const int before = computations();
    editor->insertLazinessIndicatorAction()->trigger();
    const QString lazy = "a" + LazinessIndicator::kIndicator + "b";
    EXPECT_EQ(step().tokenListValue(RenamerSetting::SequenceIdentifier), QVariantList{lazy});
    EXPECT_EQ(identifier->text(), lazy);
    EXPECT_EQ(computations(), before + 1);
    // Both files share the lazy group "a🛌b", so both are numbered.
    EXPECT_EQ(newName("beta.txt"), "2.txt");

    emit button->menu()->aboutToShow();
    EXPECT_FALSE(editor->insertLazinessIndicatorAction()->isEnabled());
    editor->insertLazinessIndicator();
    EXPECT_EQ(identifier->text(), lazy) << "one indicator is enough";
    EXPECT_FALSE(controller->isRenamePathsUpdatePending());
}
