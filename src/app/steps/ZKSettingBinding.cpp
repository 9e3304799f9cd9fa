#include "app/steps/ZKSettingBinding.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>

#include "app/tokens/ZKProxyField.h"

namespace {

// A number typed into a field: the integer, or nothing for text that is no number.
std::optional<qint64> parsedNumber(const QString &text) {
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

}  // namespace

ZKSettingBinding::ZKSettingBinding(QWidget *control, ZKRenamer &renamer, RenamerSetting setting,
                                   QObject *parent)
    : QObject(parent), control_(control), renamer_(renamer), setting_(setting) {
    refresh();
    connectControl();
}

void ZKSettingBinding::connectControl() {
    if (auto *button = qobject_cast<QAbstractButton *>(control_)) {
        connect(button, &QAbstractButton::toggled, this, &ZKSettingBinding::writeSwitch);
    } else if (auto *combo = qobject_cast<QComboBox *>(control_)) {
        connect(combo, &QComboBox::currentIndexChanged, this, &ZKSettingBinding::writeChoice);
    } else if (auto *field = qobject_cast<ZKProxyField *>(control_)) {
        connect(field, &ZKProxyField::textDidChange, this, &ZKSettingBinding::writeTokenList);
    } else if (auto *line = qobject_cast<QLineEdit *>(control_)) {
        connect(line, &QLineEdit::textEdited, this, &ZKSettingBinding::writeNumber);
        connect(line, &QLineEdit::editingFinished, this, &ZKSettingBinding::finishNumber);
    } else if (auto *text = qobject_cast<QPlainTextEdit *>(control_)) {
        connect(text, &QPlainTextEdit::textChanged, this, &ZKSettingBinding::writePlainText);
    }
}

void ZKSettingBinding::refresh() {
    if (!control_) return;
    QScopedValueRollback guard(refreshing_, true);
    if (auto *button = qobject_cast<QAbstractButton *>(control_)) {
        button->setChecked(renamer_.switchValue(setting_));
    } else if (auto *combo = qobject_cast<QComboBox *>(control_)) {
        const int index = combo->findData(int(renamer_.integerValue(setting_)));
        combo->setCurrentIndex(std::max(index, 0));
    } else if (auto *field = qobject_cast<ZKProxyField *>(control_)) {
        const QVariantList list = renamer_.tokenListValue(setting_);
        // Showing an equal list again would move the caret of the field being typed into.
        if (!field->shows(list)) field->setList(list);
    } else if (auto *line = qobject_cast<QLineEdit *>(control_)) {
        const QString text = QString::number(renamer_.integerValue(setting_));
        if (line->text() != text) line->setText(text);
    } else if (auto *edit = qobject_cast<QPlainTextEdit *>(control_)) {
        const QString text = renamer_.stringValue(setting_);
        if (edit->toPlainText() != text) edit->setPlainText(text);
    }
}

void ZKSettingBinding::writeSwitch(bool on) {
    if (refreshing_) return;
    renamer_.setSwitchValue(setting_, on);
    emit edited(setting_);
}

void ZKSettingBinding::writeChoice(int index) {
    if (refreshing_ || index < 0) return;
    const auto *combo = qobject_cast<QComboBox *>(control_);
    renamer_.setChoiceValue(setting_, combo->itemData(index).toInt());
    emit edited(setting_);
}

// Typing waits for the delay; inserting a token or changing its settings does not.
void ZKSettingBinding::writeTokenList(bool skipDelay) {
    if (refreshing_) return;
    const auto *field = qobject_cast<ZKProxyField *>(control_);
    renamer_.setTokenListValue(setting_, field->list(), skipDelay);
    emit edited(setting_);
}

// Text that is no number (yet) counts as the setting's default until it becomes one.
void ZKSettingBinding::writeNumber(const QString &text) {
    if (refreshing_) return;
    const qint64 value = parsedNumber(text).value_or(RenamerSettings::defaultValue(setting_));
    renamer_.setNumberValue(setting_, value);
    emit edited(setting_);
}

// Leaving a field that holds no number shows the value in use.
void ZKSettingBinding::finishNumber() {
    auto *line = qobject_cast<QLineEdit *>(control_);
    if (line && !parsedNumber(line->text())) refresh();
}

void ZKSettingBinding::writePlainText() {
    if (refreshing_) return;
    const auto *edit = qobject_cast<QPlainTextEdit *>(control_);
    renamer_.setStringValue(setting_, edit->toPlainText());
    emit edited(setting_);
}
