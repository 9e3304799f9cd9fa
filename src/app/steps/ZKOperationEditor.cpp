#include "app/steps/ZKOperationEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/steps/ZKSettingBinding.h"
#include "app/tokens/ZKProxyField.h"
#include "tokens/TokenList.h"

ZKOperationEditor::ZKOperationEditor(ZKRenamer &renamer, QWidget *parent)
    : QWidget(parent), renamer_(renamer), form_(new QFormLayout(this)) {
    form_->setContentsMargins(0, 0, 0, 0);
    form_->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form_->setHorizontalSpacing(8);
    form_->setVerticalSpacing(4);
}

void ZKOperationEditor::refresh() {
    for (ZKSettingBinding *binding : std::as_const(bindings_)) binding->refresh();
    updateRows();
}

void ZKOperationEditor::refreshSetting(RenamerSetting setting, const ZKSettingBinding *except) {
    for (ZKSettingBinding *binding : std::as_const(bindings_)) {
        if (binding != except && binding->setting() == setting) binding->refresh();
    }
    updateRows();
}

QWidget *ZKOperationEditor::firstTextField() const {
    for (ZKSettingBinding *binding : bindings_) {
        if (qobject_cast<ZKProxyField *>(binding->control())) return binding->control();
    }
    return nullptr;
}

QList<QWidget *> ZKOperationEditor::focusableControls() const {
    // Children come in creation order, which is row order.
    QList<QWidget *> controls;
    for (QWidget *child : findChildren<QWidget *>()) {
        // Pop-up menus are windows of their own, outside the chain.
        if (child->focusPolicy() & Qt::TabFocus && child->window() == window())
            controls.append(child);
    }
    return controls;
}

ZKSettingBinding *ZKOperationEditor::bind(QWidget *control, RenamerSetting setting) {
    control->setObjectName(RenamerSettings::key(setting));
    auto *binding = new ZKSettingBinding(control, renamer_, setting, this);
    bindings_.append(binding);
    connect(binding, &ZKSettingBinding::edited, this, [this, binding](RenamerSetting edited) {
        refreshSetting(edited, binding);
        emit settingEdited(edited);
    });
    return binding;
}

QCheckBox *ZKOperationEditor::makeSwitch(const QString &title, RenamerSetting setting) {
    auto *box = new QCheckBox(title);
    bind(box, setting);
    return box;
}

QComboBox *ZKOperationEditor::makeChoice(RenamerSetting setting, const MenuItems &items) {
    auto *combo = new QComboBox;
    for (const auto &[title, tag] : items) combo->addItem(title, tag);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    bind(combo, setting);
    return combo;
}

ZKProxyField *ZKOperationEditor::makeTextField(RenamerSetting setting, const QString &placeholder,
                                               ZKProxyField *field) {
    if (!field) field = new ZKProxyField;
    field->setPlaceholderText(placeholder);
    bind(field, setting);
    return field;
}

QLineEdit *ZKOperationEditor::makeNumberField(RenamerSetting setting) {
    auto *field = new QLineEdit;
    field->setAlignment(Qt::AlignRight);
    field->setMaxLength(10);
    // Wide enough for four digits: positions in names are short.
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    bind(field, setting);
    return field;
}

QWidget *ZKOperationEditor::addRow(const QString &label, const QList<QWidget *> &controls) {
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    bool stretches = false;
    for (QWidget *control : controls) {
        const bool grows =
            (qobject_cast<QLineEdit *>(control) || qobject_cast<QPlainTextEdit *>(control) ||
             qobject_cast<ZKProxyField *>(control)) &&
            control->sizePolicy().horizontalPolicy() != QSizePolicy::Fixed &&
            control->minimumWidth() != control->maximumWidth();
        layout->addWidget(control, grows ? 1 : 0);
        stretches = stretches || grows;
    }
    if (!stretches) layout->addStretch(1);
    auto *title = new QLabel(label);
    // One label column width for every editor, so the fields of all steps line up.
    title->setMinimumWidth(title->fontMetrics().horizontalAdvance(tr("Replace with:")) + 4);
    title->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form_->addRow(title, row);
    return row;
}

QString ZKOperationEditor::quoted(RenamerSetting setting) const {
    QString text;
    for (const QVariant &element : renamer_.tokenListValue(setting)) {
        text += TokenList::isWrappedProxy(element)
                    ? QStringLiteral("<%1>").arg(TokenList::proxyDisplayName(element))
                    : element.toString();
    }
    return QStringLiteral("“%1”").arg(text);
}
