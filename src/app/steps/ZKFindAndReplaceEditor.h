#pragma once

#include "app/steps/ZKOperationEditor.h"

class QAction;
class ZKProxyField;

// Find and Replace: target, replacement, and the three switches. The target shows whether
// it works as a regular expression while "Query is RegEx" is on.
class ZKFindAndReplaceEditor : public ZKOperationEditor {
    Q_OBJECT
public:
    explicit ZKFindAndReplaceEditor(ZKRenamer &renamer, QWidget *parent = nullptr);

    QString summary() const override;
    // -1 not a valid regular expression, 0 empty, 1 usable; the indicator's state.
    int targetStatus() const { return targetStatus_; }
    QAction *targetStatusIndicator() const { return statusIndicator_; }

protected:
    void updateRows() override;

private:
    void updateTargetStatus();

    ZKProxyField *target_;
    QAction *statusIndicator_;
    int targetStatus_ = 0;
};
