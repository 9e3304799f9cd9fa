#pragma once

#include "app/steps/ZKOperationEditor.h"

// Remove: how many characters, from which position, counted from the start or the end.
class ZKRemoveEditor : public ZKOperationEditor {
    Q_OBJECT
public:
    explicit ZKRemoveEditor(ZKRenamer &renamer, QWidget *parent = nullptr);
    QString summary() const override;
};
