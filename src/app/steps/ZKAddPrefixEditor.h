#pragma once

#include "app/steps/ZKOperationEditor.h"

// Add Prefix: the shared text, put before the whole name.
class ZKAddPrefixEditor : public ZKOperationEditor {
    Q_OBJECT
public:
    explicit ZKAddPrefixEditor(ZKRenamer &renamer, QWidget *parent = nullptr);
    QString summary() const override;
};
