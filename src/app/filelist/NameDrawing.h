#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;

// Drawing one name within its column: elided in the middle when it does not fit (the start
// and the extension of a name tell most), white space optionally drawn as markers.
namespace NameDrawing {

struct WhitespaceMarking {
    bool enabled = false;
    QString marker;
    QColor color;
};

// The text as it is drawn: with marking on, every white-space character is replaced by the
// marker (so a run of spaces shows how many there are).
QString markedText(const QString &name, const WhitespaceMarking &marking);

// Draws the name left-aligned and vertically centred in rect with the painter's pen; markers
// in their colour.
void drawName(QPainter &painter, const QRect &rect, const QString &name,
              const WhitespaceMarking &marking);

}  // namespace NameDrawing
