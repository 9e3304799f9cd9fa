#pragma once

#include "app/steps/ZKOperationEditor.h"

// Insert: the shared text, put at a position counted from the start or the end.
class ZKInsertEditor : public ZKOperationEditor {
    Q_OBJECT
public:
    explicit ZKInsertEditor(ZKRenamer &renamer, QWidget *parent = nullptr);
    QString summary() const override;
};
