#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The dialog that answers an Advanced "prompt": the question in grey above an answer field and
// one button. There is no Cancel: a name computation waits for an answer, so closing the
// dialog in any way answers with what the field holds.
class ZKPromptDialog : public QDialog {
    Q_OBJECT
public:
    ZKPromptDialog(const QString &question, QWidget *parent = nullptr);

    QString answer() const;
    QPlainTextEdit *questionView() const { return questionView_; }
    QLineEdit *answerField() const { return answerField_; }
    QPushButton *doneButton() const { return doneButton_; }

    // Shows the dialog centred on its parent (or the screen), brought to the front, and waits.
    QString runModal();

private:
    QPlainTextEdit *questionView_;
    QLineEdit *answerField_;
    QPushButton *doneButton_;
};
