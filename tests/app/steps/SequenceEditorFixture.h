#pragma once

#include <QComboBox>

#include "StepAreaFixture.h"
#include "app/steps/ZKSequenceEditor.h"

// One Sequence step over "alpha.txt" and "beta.txt", its editor shown in the step area.
class SequenceEditorFixture : public StepAreaFixture {
protected:
    ZKSequenceEditor *useSequence(QVariantMap archive = {}) {
        archive.insert(QStringLiteral("Task"), qint64(SequenceOperation));
        useSteps({stepWith(archive)});
        return qobject_cast<ZKSequenceEditor *>(view(0)->editor());
    }
    ZKRenamer &step() const { return *controller->renamers().first(); }
    QComboBox *menu(RenamerSetting setting) const { return control<QComboBox>(0, setting); }
};
