#pragma once

#include "app/steps/ZKOperationEditor.h"

// Compose: the new name made from a template of text and tokens (the shared text), with the
// current extension kept after it or not.
class ZKComposeEditor : public ZKOperationEditor {
    Q_OBJECT
public:
    explicit ZKComposeEditor(ZKRenamer &renamer, QWidget *parent = nullptr);
    QString summary() const override;
};
