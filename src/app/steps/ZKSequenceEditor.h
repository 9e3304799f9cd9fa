#pragma once

#include "app/steps/ZKOperationEditor.h"

class QLineEdit;
class QPlainTextEdit;

// Sequence: the type of values, the shared prefix, the first number (in the type's
// notation, with a stepper), the step value, the digits, the terms, the suffix, the group
// identifier and whether the extension is kept. Rows show for the types that use them.
class ZKSequenceEditor : public ZKOperationEditor {
    Q_OBJECT
public:
    explicit ZKSequenceEditor(ZKRenamer &renamer, QWidget *parent = nullptr);
    QString summary() const override;

    QLineEdit *firstNumberField() const { return firstNumber_; }
    QWidget *firstNumberRow() const { return firstNumberRow_; }
    QWidget *digitsRow() const { return digitsRow_; }
    QWidget *termsRow() const { return termsRow_; }
    // Steps the first number or the step value by delta, recomputing at once as a click does.
    void stepSetting(RenamerSetting setting, int delta);

protected:
    void updateRows() override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *makeFirstNumberField();
    QWidget *withStepper(QWidget *field, RenamerSetting setting);
    void firstNumberEdited(const QString &text);

    QLineEdit *firstNumber_ = nullptr;
    QPlainTextEdit *terms_ = nullptr;
    QWidget *firstNumberRow_;
    QWidget *stepRow_;
    QWidget *digitsRow_;
    QWidget *termsRow_;
};
