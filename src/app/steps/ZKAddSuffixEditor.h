#pragma once

#include "app/steps/ZKOperationEditor.h"

// Add Suffix: the shared text, put after the name or before its extension.
class ZKAddSuffixEditor : public ZKOperationEditor {
    Q_OBJECT
public:
    explicit ZKAddSuffixEditor(ZKRenamer &renamer, QWidget *parent = nullptr);
    QString summary() const override;
};
