#include "app/tokens/ProxyChipObject.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPainterPath>
#include <QTextEdit>

#include "tokens/TokenList.h"
#include "tokens/ZKMetaDataType.h"

namespace {

constexpr qreal kPadding = 6;
constexpr qreal kArrowWidth = 11;
// Room between neighbouring chips and between a chip and the text around it.
constexpr qreal kGap = 1.5;

// The chip's colours: a light tint of the highlight colour. Within a selection the text
// layout draws the chip again over the selection colour (with the selection's colours in
// the format) and then lays the selection colour over it, half transparent: an opaque
// light chip with dark text stays readable under that veil.
struct ChipColors {
    QColor fill, border, text;
};

ChipColors colorsFor(const QPalette &palette, const QTextFormat &format, bool enabled) {
    const QColor accent = palette.color(QPalette::Highlight);
    const QColor text =
        palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::Text);
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        return {palette.color(QPalette::Base), accent.darker(140), text};
    QColor fill = accent;
    fill.setAlphaF(0.16f);
    QColor border = accent;
    border.setAlphaF(0.55f);
    return {fill, border, text};
}

}  // namespace

ProxyChipObject::ProxyChipObject(QTextEdit *field) : QObject(field), field_(field) {
    field->document()->documentLayout()->registerHandler(kObjectType, this);
}

QTextCharFormat ProxyChipObject::format(const QVariantMap &token) {
    QTextCharFormat format;
    format.setObjectType(kObjectType);
    format.setProperty(kTokenProperty, token);
    return format;
}

bool ProxyChipObject::isChip(const QTextFormat &format) {
    return format.objectType() == kObjectType;
}

QVariantMap ProxyChipObject::token(const QTextFormat &format) {
    return format.property(kTokenProperty).toMap();
}

QString ProxyChipObject::title(const QVariantMap &token) {
    return TokenList::proxyDisplayName(token);
}

bool ProxyChipObject::hasMenu(const QVariantMap &token) {
    return ZKMetaDataType::canCustomizeSettingsForType(TokenList::proxyValue(token));
}

QFont ProxyChipObject::chipFont() const {
    QFont font = field_ ? field_->font() : QFont();
    font.setPointSizeF(font.pointSizeF() * 0.92);
    return font;
}

QSizeF ProxyChipObject::intrinsicSize(QTextDocument *, int, const QTextFormat &format) {
    const QVariantMap chip = token(format);
    const QFontMetricsF metrics(chipFont());
    qreal width = metrics.horizontalAdvance(title(chip)) + 2 * kPadding + 2 * kGap;
    if (hasMenu(chip)) width += kArrowWidth;
    const QFontMetricsF text(field_ ? field_->font() : QFont());
    return QSizeF(std::ceil(width), text.ascent());
}

void ProxyChipObject::drawObject(QPainter *painter, const QRectF &rect, QTextDocument *, int,
                                 const QTextFormat &format) {
    const QVariantMap chip = token(format);
    const QFontMetricsF text(field_ ? field_->font() : QFont());
    // The object stands on the baseline; the chip reaches down over the descent.
    const QRectF body = QRectF(rect.left() + kGap, rect.top(), rect.width() - 2 * kGap,
                               rect.height() + text.descent())
                            .adjusted(0.5, 0.5, -0.5, -0.5);
    const QPalette palette = field_ ? field_->palette() : QPalette();
    const ChipColors colors = colorsFor(palette, format, !field_ || field_->isEnabled());

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(colors.border, 1));
    painter->setBrush(colors.fill);
    const qreal radius = std::min<qreal>(body.height() / 2, 7);
    painter->drawRoundedRect(body, radius, radius);

    QRectF label = body.adjusted(kPadding, 0, -kPadding, 0);
    if (hasMenu(chip)) {
        label.setRight(label.right() - kArrowWidth);
        const QPointF tip(body.right() - kPadding - 3.5, body.center().y() + 2);
        QPainterPath arrow;
        arrow.moveTo(tip + QPointF(-3, -3.5));
        arrow.lineTo(tip);
        arrow.lineTo(tip + QPointF(3, -3.5));
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(colors.text, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(arrow);
    }
    painter->setFont(chipFont());
    painter->setPen(colors.text);
    painter->drawText(label, Qt::AlignCenter | Qt::TextSingleLine, title(chip));
    painter->restore();
}
