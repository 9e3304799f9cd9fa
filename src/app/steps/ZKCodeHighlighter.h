#pragma once

#include <QPalette>
#include <QSyntaxHighlighter>

#include "engine/AdvancedCodeCheck.h"

// Colours an Advanced prototype with the spans of the step's last check, leaving the rest in
// the editor's grey. Colouring never touches the text or its undo history.
class ZKCodeHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit ZKCodeHighlighter(QTextDocument *document);

    void setColouring(const AdvancedCodeColouring &colouring);
    // The editor's palette, whose link colour and background the colours follow.
    void setPalette(const QPalette &palette);

protected:
    void highlightBlock(const QString &text) override;

private:
    AdvancedCodeColouring colouring_;
    QPalette palette_;
};
