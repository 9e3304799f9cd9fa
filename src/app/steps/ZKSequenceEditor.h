#pragma once

#include "app/steps/ZKOperationEditor.h"

class QAction;
class QLabel;
class QToolButton;
class SequenceFirstNumberField;
class ZKSettingBinding;
class ZKLazySequenceProxyField;
class ZKTextFileReadingTextField;

// Sequence: a prefix, a value (numbers, roman numerals, letters or terms) and a suffix,
// counted per identifier. Numbers show the first number, the step and the digits; roman
// numerals and letters the first number and the step; terms their list.
class ZKSequenceEditor : public ZKOperationEditor {
    Q_OBJECT
public:
    explicit ZKSequenceEditor(ZKRenamer &renamer, QWidget *parent = nullptr);
    QString summary() const override;

    SequenceFirstNumberField *firstNumberField() const { return firstNumber_; }
    ZKTextFileReadingTextField *termsField() const { return terms_; }
    ZKLazySequenceProxyField *identifierField() const { return identifier_; }
    // The identifier field's command, on the editor's "Lazy" button.
    QAction *insertLazinessIndicatorAction() const;

    // Puts the laziness indicator in place of the identifier's selection and recomputes at
    // once; nothing when the identifier already holds one.
    void insertLazinessIndicator();

protected:
    void updateRows() override;

private:
    QWidget *makeFirstNumberRow();
    QWidget *makeTermsField();
    QToolButton *makeLazinessButton();
    void updateTermsStatus();
    void termsLinesChanged();
    QString valueSummary() const;

    SequenceFirstNumberField *firstNumber_ = nullptr;
    ZKTextFileReadingTextField *terms_ = nullptr;
    // The terms field's binding: the editor refreshes it when the terms change from their file.
    ZKSettingBinding *termsBinding_ = nullptr;
    QLabel *termsStatus_ = nullptr;
    ZKLazySequenceProxyField *identifier_ = nullptr;
    QWidget *firstNumberRow_ = nullptr;
    QWidget *digitsRow_ = nullptr;
    QWidget *termsRow_ = nullptr;
    QWidget *termsStatusRow_ = nullptr;
};
