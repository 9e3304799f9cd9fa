#pragma once

#include "app/steps/ZKOperationEditor.h"

class QComboBox;

// Change Case: the case of the name and of the extension; for title case also which words
// count as short and what happens to them. Those rows show only for title case and are
// enabled only while the exception is on.
class ZKChangeCaseEditor : public ZKOperationEditor {
    Q_OBJECT
public:
    explicit ZKChangeCaseEditor(ZKRenamer &renamer, QWidget *parent = nullptr);
    QString summary() const override;

    QWidget *cutOffRow() const { return cutOffRow_; }
    QWidget *modeRow() const { return modeRow_; }
    QComboBox *cutOffSelector() const { return cutOff_; }
    QComboBox *modeSelector() const { return mode_; }

protected:
    void updateRows() override;

private:
    QWidget *cutOffRow_;
    QWidget *modeRow_;
    QComboBox *cutOff_;
    QComboBox *mode_;
    QWidget *cutOffUnit_;
};
