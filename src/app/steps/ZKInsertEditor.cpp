#include "app/steps/ZKInsertEditor.h"

#include <QComboBox>
#include <QLineEdit>

#include "app/steps/StepMenus.h"
#include "app/tokens/ZKProxyField.h"

ZKInsertEditor::ZKInsertEditor(ZKRenamer &renamer, QWidget *parent)
    : ZKOperationEditor(renamer, parent) {
    addRow(tr("Insert:"), {makeTextField(RenamerSetting::InsertString, tr("Text to insert"))});
    addRow(tr("At position:"),
           {makeNumberField(RenamerSetting::InsertStart),
            makeChoice(RenamerSetting::InsertDirection, StepMenus::directionItems())});
}

QString ZKInsertEditor::summary() const {
    const ZKRenamer &step = renamer();
    return StepMenus::positionSummary(quoted(RenamerSetting::InsertString),
                                      step.integerValue(RenamerSetting::InsertStart),
                                      step.integerValue(RenamerSetting::InsertDirection));
}
