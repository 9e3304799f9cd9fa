#pragma once

#include "app/steps/ZKOperationEditor.h"

// Set Extension: the new extension, and whether only an existing one is replaced.
class ZKSetExtensionEditor : public ZKOperationEditor {
    Q_OBJECT
public:
    explicit ZKSetExtensionEditor(ZKRenamer &renamer, QWidget *parent = nullptr);
    QString summary() const override;
};
