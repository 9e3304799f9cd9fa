#pragma once

#include "app/steps/ZKOperationEditor.h"

class QPushButton;
class QToolButton;
class ZKCodeTextView;

// Advanced: the prototype in a code editor, coloured after each computation's check, with
// a button that shows the errors of a prototype that failed.
class ZKAdvancedEditor : public ZKOperationEditor {
    Q_OBJECT
public:
    explicit ZKAdvancedEditor(ZKRenamer &renamer, QWidget *parent = nullptr);
    QString summary() const override;

    ZKCodeTextView *codeTextView() const { return codeTextView_; }
    QPushButton *showErrorsButton() const { return showErrorsButton_; }
    // Opens the snippet menu (SnippetMenu).
    QToolButton *snippetButton() const { return snippetButton_; }

private:
    void showAnalysis();
    void showErrors();

    ZKCodeTextView *codeTextView_;
    QPushButton *showErrorsButton_;
    QToolButton *snippetButton_;
};
