#include "app/steps/ZKCodeHighlighter.h"

#include <QPalette>
#include <QTextDocument>
#include <algorithm>

namespace {

using Role = AdvancedCodeColouring::Role;
using Span = AdvancedCodeColouring::Span;

// Qt names a blue for links but no red or green: those take the design's own colours, made
// lighter on a dark background where the dark originals could not be read.
QColor roleColour(Role role, const QPalette &palette) {
    const bool dark = palette.color(QPalette::Base).lightness() < 128;
    const auto readable = [dark](QColor colour) { return dark ? colour.lighter(260) : colour; };
    switch (role) {
        case Role::StringConstant:
            return readable(QColor::fromRgbF(0.6f, 0.0f, 0.0f));
        case Role::Variable:
            return readable(QColor::fromRgbF(0.0f, 0.4f, 0.0f));
        case Role::Function:
            return palette.color(QPalette::Link);
    }
    return {};
}

}  // namespace

ZKCodeHighlighter::ZKCodeHighlighter(QTextDocument *document) : QSyntaxHighlighter(document) {}

void ZKCodeHighlighter::setPalette(const QPalette &palette) {
    palette_ = palette;
    rehighlight();
}

void ZKCodeHighlighter::setColouring(const AdvancedCodeColouring &colouring) {
    colouring_ = colouring;
    // The check runs from left to right; kept sorted, a block finds its spans by search.
    std::stable_sort(colouring_.spans.begin(), colouring_.spans.end(),
                     [](const Span &a, const Span &b) { return a.start < b.start; });
    rehighlight();
}

void ZKCodeHighlighter::highlightBlock(const QString &text) {
    const qsizetype blockStart = currentBlock().position();
    const qsizetype blockEnd = blockStart + text.size();
    const QList<Span> &spans = colouring_.spans;
    // Spans never overlap, so those that end inside or after the block start after any
    // span that ends before it.
    auto span = std::partition_point(spans.begin(), spans.end(), [&](const Span &candidate) {
        return candidate.start + candidate.length <= blockStart;
    });
    for (; span != spans.end() && span->start < blockEnd; ++span) {
        const qsizetype start = qMax(span->start, blockStart);
        const qsizetype end = qMin(span->start + span->length, blockEnd);
        setFormat(int(start - blockStart), int(end - start), roleColour(span->role, palette_));
    }
}
