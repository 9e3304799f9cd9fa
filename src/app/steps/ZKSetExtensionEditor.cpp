#include "app/steps/ZKSetExtensionEditor.h"

#include <QCheckBox>

#include "app/tokens/ZKProxyField.h"

ZKSetExtensionEditor::ZKSetExtensionEditor(ZKRenamer &renamer, QWidget *parent)
    : ZKOperationEditor(renamer, parent) {
    addRow(tr("Extension:"), {makeTextField(RenamerSetting::SetExtensionExtension,
                                            tr("New extension, empty to remove it"))});
    addRow(QString(), {makeSwitch(tr("Only replace an existing extension"),
                                  RenamerSetting::SetExtensionChangeOnly)});
}

QString ZKSetExtensionEditor::summary() const {
    return quoted(RenamerSetting::SetExtensionExtension);
}
