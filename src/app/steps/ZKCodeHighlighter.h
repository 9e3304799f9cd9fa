#pragma once

#include <QSyntaxHighlighter>

#include "engine/AdvancedCodeCheck.h"

// Colours an Advanced prototype with the spans of the step's last check, leaving the rest in
// the editor's grey. Colouring never touches the text or its undo history.
class ZKCodeHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit ZKCodeHighlighter(QTextDocument *document);

    void setColouring(const AdvancedCodeColouring &colouring);

protected:
    void highlightBlock(const QString &text) override;

private:
    AdvancedCodeColouring colouring_;
};
