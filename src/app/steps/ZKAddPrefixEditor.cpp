#include "app/steps/ZKAddPrefixEditor.h"

#include "app/tokens/ZKProxyField.h"

ZKAddPrefixEditor::ZKAddPrefixEditor(ZKRenamer &renamer, QWidget *parent)
    : ZKOperationEditor(renamer, parent) {
    addRow(tr("Prefix:"),
           {makeTextField(RenamerSetting::InsertString, tr("Text before the name"))});
}

QString ZKAddPrefixEditor::summary() const { return quoted(RenamerSetting::InsertString); }
