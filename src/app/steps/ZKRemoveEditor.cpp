#include "app/steps/ZKRemoveEditor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/steps/StepMenus.h"

ZKRemoveEditor::ZKRemoveEditor(ZKRenamer &renamer, QWidget *parent)
    : ZKOperationEditor(renamer, parent) {
    addRow(tr("Remove:"),
           {makeNumberField(RenamerSetting::RemoveLength), new QLabel(tr("characters"))});
    addRow(tr("Starting at:"),
           {makeNumberField(RenamerSetting::RemoveStart),
            makeChoice(RenamerSetting::RemoveDirection, StepMenus::directionItems())});
}

QString ZKRemoveEditor::summary() const {
    const ZKRenamer &step = renamer();
    return StepMenus::positionSummary(
        tr("%n character(s)", nullptr, int(step.integerValue(RenamerSetting::RemoveLength))),
        step.integerValue(RenamerSetting::RemoveStart),
        step.integerValue(RenamerSetting::RemoveDirection));
}
