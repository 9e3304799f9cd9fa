#include "app/steps/ZKChangeCaseEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

#include "app/steps/StepMenus.h"

ZKChangeCaseEditor::ZKChangeCaseEditor(ZKRenamer &renamer, QWidget *parent)
    : ZKOperationEditor(renamer, parent) {
    addRow(tr("Name:"), {makeChoice(RenamerSetting::ChangeCaseName, StepMenus::nameCaseItems())});
    addRow(tr("Extension:"),
           {makeChoice(RenamerSetting::ChangeCaseExtension, StepMenus::extensionCaseItems())});
    QCheckBox *exception = makeSwitch(tr("Words of up to"), RenamerSetting::TitleCaseException);
    cutOff_ = makeChoice(RenamerSetting::TitleCaseExceptionCutOff, StepMenus::cutOffItems());
    cutOffUnit_ = new QLabel(tr("characters"));
    cutOffRow_ = addRow(tr("Short words:"), {exception, cutOff_, cutOffUnit_});
    mode_ = makeChoice(RenamerSetting::TitleCaseExceptionMode, StepMenus::exceptionModeItems());
    modeRow_ = addRow(QString(), {mode_});
    updateRows();
}

void ZKChangeCaseEditor::updateRows() {
    const ZKRenamer &step = renamer();
    const bool titleCase = step.isTitleCaseExceptionCutOffShown();
    form()->setRowVisible(cutOffRow_, titleCase);
    form()->setRowVisible(modeRow_, titleCase);
    const bool detail = step.isTitleCaseExceptionDetailEnabled();
    for (QWidget *control :
         {static_cast<QWidget *>(cutOff_), cutOffUnit_, static_cast<QWidget *>(mode_)})
        control->setEnabled(detail);
}

QString ZKChangeCaseEditor::summary() const {
    auto title = [](const StepMenus::Items &items, qint64 tag) {
        for (const auto &[text, itemTag] : items) {
            if (itemTag == tag) return text;
        }
        return QString();
    };
    const ZKRenamer &step = renamer();
    return tr("Name: %1, extension: %2")
        .arg(title(StepMenus::nameCaseItems(), step.integerValue(RenamerSetting::ChangeCaseName)),
             title(StepMenus::extensionCaseItems(),
                   step.integerValue(RenamerSetting::ChangeCaseExtension)));
}
