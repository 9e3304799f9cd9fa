#pragma once

#include <QAbstractSpinBox>

class ZKRenamer;

// The first number of a Sequence step, written in the notation of the step's type (decimal,
// roman numerals or letters) with a stepper. Typing is read in that notation and answered
// with the canonical form ("c" in a letter sequence reads 3 and shows "C"); the arrows step
// through the whole 64-bit range the step holds, stopping at its ends. Typed values
// recompute after the typing delay, steps at once.
class SequenceFirstNumberField : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit SequenceFirstNumberField(ZKRenamer &renamer, QWidget *parent = nullptr);

    // Shows the step's first number in its type's notation. Text being typed that already
    // reads that number (a lone "-", an empty field) is left as it is.
    void refresh();

    void stepBy(int steps) override;

signals:
    // The user changed the first number; its value is in the step.
    void edited();

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString &input, int &position) const override;
    void focusOutEvent(QFocusEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    void textEdited(const QString &text);
    qint64 value() const;
    int sequenceType() const;

    ZKRenamer &renamer_;
};
