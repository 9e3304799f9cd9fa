#pragma once

#include <QObject>
#include <QPointer>
#include <QTextObjectInterface>
#include <QVariantMap>

class QTextEdit;

// Draws the tokens of a token field: each token is one object character of the field's
// document whose format carries the token, shown as a rounded chip with its display name
// (and a small arrow when it has a settings menu). The chip is as tall as the font's ascent
// so that the line keeps the height of plain text; it is painted over the descent too.
class ProxyChipObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    static constexpr int kObjectType = QTextFormat::UserObject + 1;
    static constexpr int kTokenProperty = QTextFormat::UserProperty + 1;

    // Registers itself with the field's document.
    explicit ProxyChipObject(QTextEdit *field);

    // The format of a token's character.
    static QTextCharFormat format(const QVariantMap &token);
    static bool isChip(const QTextFormat &format);
    static QVariantMap token(const QTextFormat &format);
    // What the chip shows: the token's display name.
    static QString title(const QVariantMap &token);
    // Whether clicking the chip opens its settings menu.
    static bool hasMenu(const QVariantMap &token);

    QSizeF intrinsicSize(QTextDocument *document, int position, const QTextFormat &format) override;
    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *document, int position,
                    const QTextFormat &format) override;

private:
    QFont chipFont() const;

    QPointer<QTextEdit> field_;
};
