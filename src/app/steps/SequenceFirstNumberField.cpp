#include "app/steps/SequenceFirstNumberField.h"

#include <QLineEdit>
#include <QWheelEvent>
#include <limits>

#include "engine/SequenceNotation.h"
#include "engine/ZKRenamer.h"

namespace {

constexpr qint64 kMinimum = std::numeric_limits<qint64>::min();
constexpr qint64 kMaximum = std::numeric_limits<qint64>::max();

// value + steps, held at the ends of the range instead of wrapping around.
qint64 saturatingSum(qint64 value, qint64 steps) {
    if (steps > 0 && value > kMaximum - steps) return kMaximum;
    if (steps < 0 && value < kMinimum - steps) return kMinimum;
    return value + steps;
}

}  // namespace

SequenceFirstNumberField::SequenceFirstNumberField(ZKRenamer &renamer, QWidget *parent)
    : QAbstractSpinBox(parent), renamer_(renamer) {
    setObjectName(RenamerSettings::key(RenamerSetting::SequenceFirstNumber));
    setAlignment(Qt::AlignRight);
    setAccelerated(true);
    // Scrolling the step list must not change the number on its way past.
    setFocusPolicy(Qt::StrongFocus);
    connect(lineEdit(), &QLineEdit::textEdited, this, &SequenceFirstNumberField::textEdited);
    refresh();
}

qint64 SequenceFirstNumberField::value() const {
    return renamer_.integerValue(RenamerSetting::SequenceFirstNumber);
}

int SequenceFirstNumberField::sequenceType() const {
    return int(renamer_.integerValue(RenamerSetting::SequenceType));
}

void SequenceFirstNumberField::refresh() {
    const QString current = lineEdit()->text();
    if (hasFocus() &&
        SequenceNotation::integerValueForSequenceType(current, sequenceType()) == value())
        return;
    const QString text = renamer_.sequenceFirstNumberText();
    if (current != text) lineEdit()->setText(text);
}

// An emptied field stays empty while it is typed into (its value is 0 meanwhile), so that
// the next character starts a new number instead of following a "-" or "0".
void SequenceFirstNumberField::textEdited(const QString &text) {
    const QString shown = renamer_.setSequenceFirstNumberText(text);
    if (!text.isEmpty() && shown != text) lineEdit()->setText(shown);
    emit edited();
}

void SequenceFirstNumberField::stepBy(int steps) {
    renamer_.setNumberValue(RenamerSetting::SequenceFirstNumber, saturatingSum(value(), steps),
                            true);
    lineEdit()->setText(renamer_.sequenceFirstNumberText());
    emit edited();
}

QAbstractSpinBox::StepEnabled SequenceFirstNumberField::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() < kMaximum) enabled |= StepUpEnabled;
    if (value() > kMinimum) enabled |= StepDownEnabled;
    return enabled;
}

// Any text is taken: the notation reads what it can and the field then shows that.
QValidator::State SequenceFirstNumberField::validate(QString &, int &) const {
    return QValidator::Acceptable;
}

void SequenceFirstNumberField::focusOutEvent(QFocusEvent *event) {
    QAbstractSpinBox::focusOutEvent(event);
    refresh();
}

void SequenceFirstNumberField::wheelEvent(QWheelEvent *event) {
    if (hasFocus()) {
        QAbstractSpinBox::wheelEvent(event);
    } else {
        event->ignore();
    }
}

// Room for about eight characters ("MMMDCCCL", "-1000000") besides the arrows.
QSize SequenceFirstNumberField::sizeHint() const {
    QSize size = QAbstractSpinBox::sizeHint();
    const int text = fontMetrics().horizontalAdvance(QStringLiteral("MMMDCCCL"));
    size.setWidth(std::max(size.width(), text + 40));
    return size;
}

QSize SequenceFirstNumberField::minimumSizeHint() const { return sizeHint(); }
