#pragma once

#include <QPlainTextEdit>

#include "engine/AdvancedCodeCheck.h"

class QCompleter;
class QStringListModel;
class ZKCodeHighlighter;

// The code editor of an Advanced step: a plain-text editor in a fixed-pitch font that
// completes variables and function templates as the user types, moves into empty quotation
// marks with Tab, keeps the indentation on a new line, shifts lines and takes only plain text
// from drops. Its document keeps its own undo history.
class ZKCodeTextView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ZKCodeTextView(QWidget *parent = nullptr);

    // The user's fixed-pitch font in the size of "Code Font Size" (read once per process:
    // missing or below 1 gives 12, 1 to 7 gives 8, above 50 gives 50).
    void resetFont();
    static int codeFontSize();
    // Indents (positive direction) or outdents every line of the selection by one character.
    void shiftSelection(int direction);
    // Inserts the laziness indicator at the selection.
    void insertLazinessIndicator();
    // Colours the text: grey, with the spans in the colours of their roles.
    void setColouring(const AdvancedCodeColouring &colouring);
    // The completion list while it is shown, empty otherwise.
    QStringList shownCompletions() const;
    QCompleter *completer() const { return completer_; }
    // The height the text needs, plus 1, kept between 70 and 500 points.
    int suggestedHeight() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void addCommands();
    void revealCaretInStepList();
    void complete();
    void insertCompletion(const QString &completion);
    void insertNewlineWithIndentation();
    bool moveIntoEmptyQuotes();

    QList<QAction *> commands_;
    QCompleter *completer_;
    QStringListModel *completions_;
    ZKCodeHighlighter *highlighter_;
    int completionStart_ = 0;
    bool isCompleting_ = false;
};
