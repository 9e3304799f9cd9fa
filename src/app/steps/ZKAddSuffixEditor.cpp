#include "app/steps/ZKAddSuffixEditor.h"

#include <QCheckBox>

#include "app/tokens/ZKProxyField.h"

ZKAddSuffixEditor::ZKAddSuffixEditor(ZKRenamer &renamer, QWidget *parent)
    : ZKOperationEditor(renamer, parent) {
    addRow(tr("Suffix:"), {makeTextField(RenamerSetting::InsertString, tr("Text after the name"))});
    addRow(QString(),
           {makeSwitch(tr("Before the extension"), RenamerSetting::SuffixPreserveExtension)});
}

QString ZKAddSuffixEditor::summary() const {
    return renamer().switchValue(RenamerSetting::SuffixPreserveExtension)
               ? tr("%1 before the extension").arg(quoted(RenamerSetting::InsertString))
               : quoted(RenamerSetting::InsertString);
}
