#include "app/steps/ZKComposeEditor.h"

#include <QCheckBox>

#include "app/tokens/ZKProxyField.h"

ZKComposeEditor::ZKComposeEditor(ZKRenamer &renamer, QWidget *parent)
    : ZKOperationEditor(renamer, parent) {
    addRow(tr("Name:"), {makeTextField(RenamerSetting::InsertString,
                                       tr("Text and tokens that make the new name"))});
    addRow(QString(),
           {makeSwitch(tr("Preserve extension"), RenamerSetting::ComposePreserveExtension)});
}

QString ZKComposeEditor::summary() const {
    return renamer().switchValue(RenamerSetting::ComposePreserveExtension)
               ? tr("%1 with the extension").arg(quoted(RenamerSetting::InsertString))
               : quoted(RenamerSetting::InsertString);
}
