#include "app/filelist/NameDrawing.h"

#include <QFontMetrics>
#include <QPainter>

namespace NameDrawing {

namespace {

bool isWhitespace(QChar c) { return c.isSpace(); }

}  // namespace

QString markedText(const QString &name, const WhitespaceMarking &marking) {
    if (!marking.enabled || marking.marker.isEmpty()) return name;
    QString text;
    text.reserve(name.size());
    for (const QChar c : name) {
        if (isWhitespace(c))
            text += marking.marker;
        else
            text += c;
    }
    return text;
}

void drawName(QPainter &painter, const QRect &rect, const QString &name,
              const WhitespaceMarking &marking) {
    if (rect.width() <= 0 || name.isEmpty()) return;
    const QFontMetrics metrics = painter.fontMetrics();
    const QString text =
        metrics.elidedText(markedText(name, marking), Qt::ElideMiddle, rect.width());
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    const bool hasMarkers = marking.enabled && !marking.marker.isEmpty() &&
                            std::any_of(name.begin(), name.end(), isWhitespace);
    if (!hasMarkers) {
        painter.drawText(rect, flags, text);
        return;
    }
    // The text goes down in runs so that the markers can take their own colour.
    const QPen textPen = painter.pen();
    int x = rect.left();
    qsizetype start = 0;
    while (start < text.size()) {
        const bool marker = text.mid(start, marking.marker.size()) == marking.marker;
        qsizetype end = start;
        while (end < text.size() &&
               (text.mid(end, marking.marker.size()) == marking.marker) == marker)
            end += marker ? marking.marker.size() : 1;
        const QString run = text.mid(start, end - start);
        painter.setPen(marker ? QPen(marking.color) : textPen);
        const int width = metrics.horizontalAdvance(run);
        painter.drawText(QRect(x, rect.top(), rect.right() + 1 - x, rect.height()), flags, run);
        x += width;
        start = end;
    }
    painter.setPen(textPen);
}

}  // namespace NameDrawing
