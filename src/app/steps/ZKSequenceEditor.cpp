#include "app/steps/ZKSequenceEditor.h"

#include <QLineEdit>

ZKSequenceEditor::ZKSequenceEditor(ZKRenamer &renamer, QWidget *parent)
    : ZKOperationEditor(renamer, parent) {
    addRow(tr("Prefix:"), {makeTextField(RenamerSetting::InsertString, tr("Text before the value"))});
}

QString ZKSequenceEditor::summary() const { return tr("Sequence"); }
