#include "app/steps/ZKSequenceEditor.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include "app/steps/SequenceFirstNumberField.h"
#include "app/steps/ZKSettingBinding.h"
#include "app/steps/ZKTextFileReadingTextField.h"
#include "app/tokens/ZKLazySequenceProxyField.h"

namespace {

ZKOperationEditor::MenuItems sequenceTypeItems() {
    return {{QObject::tr("Numbers (1, 2, 3)"), NumberSequence},
            {QObject::tr("Roman Numerals (I, II, III)"), UppercaseRomanSequence},
            {QObject::tr("Roman Numerals (i, ii, iii)"), LowercaseRomanSequence},
            {QObject::tr("Letters (A, B, C)"), UppercaseLetterSequence},
            {QObject::tr("Letters (a, b, c)"), LowercaseLetterSequence},
            {QObject::tr("Terms from a List"), TermSequence}};
}

ZKOperationEditor::MenuItems digitItems() {
    ZKOperationEditor::MenuItems items{{QObject::tr("Automatic"), 0}};
    for (int digits = 1; digits <= 10; ++digits) items.append({QString::number(digits), digits});
    return items;
}

// A control other than a line edit that should still take the row's width, as the
// one-line fields do: its stretch outweighs the row's trailing space.
void takeRowWidth(QWidget *control) {
    QSizePolicy policy = control->sizePolicy();
    policy.setHorizontalStretch(255);
    control->setSizePolicy(policy);
}

}  // namespace

ZKSequenceEditor::ZKSequenceEditor(ZKRenamer &renamer, QWidget *parent)
    : ZKOperationEditor(renamer, parent) {
    addRow(tr("Sequence:"), {makeChoice(RenamerSetting::SequenceType, sequenceTypeItems())});
    firstNumberRow_ = makeFirstNumberRow();
    digitsRow_ = addRow(tr("Digits:"),
                        {makeChoice(RenamerSetting::SequenceMinimumNumberOfDigits, digitItems())});
    termsRow_ = addRow(tr("Terms:"), {makeTermsField()});
    termsStatus_ = new QLabel;
    termsStatus_->setObjectName(QStringLiteral("termsStatus"));
    // Clipped rather than widening the step for a long path; the tooltip holds all of it.
    termsStatus_->setSizePolicy(QSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred));
    takeRowWidth(termsStatus_);
    termsStatus_->setForegroundRole(QPalette::PlaceholderText);
    termsStatusRow_ = addRow(QString(), {termsStatus_});
    addRow(tr("Prefix:"),
           {makeTextField(RenamerSetting::InsertString, tr("Text before the value"))});
    addRow(tr("Suffix:"),
           {makeTextField(RenamerSetting::SequenceSuffix, tr("Text after the value"))});
    identifier_ = new ZKLazySequenceProxyField;
    makeTextField(RenamerSetting::SequenceIdentifier,
                  tr("Counts each identifier's files on their own"), identifier_);
    addRow(tr("Identifier:"), {identifier_, makeLazinessButton()});
    addRow(QString(),
           {makeSwitch(tr("Preserve extension"), RenamerSetting::SequencePreserveExtension)});
    updateRows();
}

QWidget *ZKSequenceEditor::makeFirstNumberRow() {
    firstNumber_ = new SequenceFirstNumberField(renamer());
    // Typed values wait for the typing delay inside the step; steps recompute at once.
    connect(firstNumber_, &SequenceFirstNumberField::edited, this,
            [this] { emit settingEdited(RenamerSetting::SequenceFirstNumber); });
    return addRow(tr("Start at:"), {firstNumber_, new QLabel(tr("Step:")),
                                    makeNumberField(RenamerSetting::SequenceStepValue)});
}

QWidget *ZKSequenceEditor::makeTermsField() {
    ZKTextFileReflection &reflection = renamer().sequenceTermsField();
    terms_ = new ZKTextFileReadingTextField(reflection);
    terms_->setObjectName(RenamerSettings::key(RenamerSetting::SequenceTerms));
    takeRowWidth(terms_);
    termsBinding_ = new ZKSettingBinding(terms_, renamer(), RenamerSetting::SequenceTerms, this);
    connect(termsBinding_, &ZKSettingBinding::edited, this, &ZKSequenceEditor::settingEdited);
    // Terms read again from their file, or imported, replace the text shown.
    connect(&reflection, &ZKTextFileReflection::textDidChange, termsBinding_,
            &ZKSettingBinding::refresh);
    connect(terms_, &ZKTextFileReadingTextField::statusTextChanged, this,
            &ZKSequenceEditor::updateTermsStatus);
    // The step's height follows the number of terms; later, not while the text is set.
    connect(terms_, &QPlainTextEdit::blockCountChanged, this, &ZKSequenceEditor::termsLinesChanged,
            Qt::QueuedConnection);
    return terms_;
}

QToolButton *ZKSequenceEditor::makeLazinessButton() {
    auto *button = new QToolButton;
    button->setObjectName(QStringLiteral("lazinessButton"));
    button->setText(tr("Lazy"));
    button->setToolTip(tr("A lazy identifier leaves groups of one file without a value"));
    button->setPopupMode(QToolButton::InstantPopup);
    // The field's own command, also on its context menu.
    auto *menu = new QMenu(button);
    menu->addAction(identifier_->insertLazinessIndicatorAction());
    button->setMenu(menu);
    return button;
}

QAction *ZKSequenceEditor::insertLazinessIndicatorAction() const {
    return identifier_->insertLazinessIndicatorAction();
}

void ZKSequenceEditor::insertLazinessIndicator() { identifier_->insertLazinessIndicator(); }

void ZKSequenceEditor::termsLinesChanged() {
    if (terms_->isVisible()) renamer().renamingDelegate()->updateRenamerLayoutAndRenameNames(false);
}

void ZKSequenceEditor::updateRows() {
    const qint64 type = renamer().integerValue(RenamerSetting::SequenceType);
    form()->setRowVisible(firstNumberRow_, type != TermSequence);
    form()->setRowVisible(digitsRow_, type == NumberSequence);
    form()->setRowVisible(termsRow_, type == TermSequence);
    firstNumber_->refresh();
    termsBinding_->refresh();
    updateTermsStatus();
}

void ZKSequenceEditor::updateTermsStatus() {
    const QString status = terms_->statusText();
    termsStatus_->setText(status);
    termsStatus_->setToolTip(status);
    form()->setRowVisible(
        termsStatusRow_,
        !status.isEmpty() && renamer().integerValue(RenamerSetting::SequenceType) == TermSequence);
}

QString ZKSequenceEditor::valueSummary() const {
    const ZKRenamer &step = renamer();
    const qint64 type = step.integerValue(RenamerSetting::SequenceType);
    if (type == TermSequence) {
        const QString path = step.sequenceTermsReflectedPath();
        if (!path.isEmpty()) return tr("terms from “%1”").arg(path);
        const QString terms = step.stringValue(RenamerSetting::SequenceTerms)
                                  .split(u'\n', Qt::SkipEmptyParts)
                                  .join(QStringLiteral(", "));
        return tr("terms “%1”").arg(terms.length() > 40 ? terms.left(39) + u'…' : terms);
    }
    QString title;
    for (const auto &[text, tag] : sequenceTypeItems()) {
        if (tag == type) title = text;
    }
    return tr("%1 from %2 by %3")
        .arg(title, step.sequenceFirstNumberText())
        .arg(step.integerValue(RenamerSetting::SequenceStepValue));
}

QString ZKSequenceEditor::summary() const {
    QStringList parts;
    const ZKRenamer &step = renamer();
    if (!step.tokenListValue(RenamerSetting::InsertString).isEmpty())
        parts.append(quoted(RenamerSetting::InsertString));
    parts.append(valueSummary());
    if (!step.tokenListValue(RenamerSetting::SequenceSuffix).isEmpty())
        parts.append(quoted(RenamerSetting::SequenceSuffix));
    return parts.join(QStringLiteral(" + "));
}
