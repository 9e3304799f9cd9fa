#include "app/filelist/ZKLightImages.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QRadialGradient>

namespace ZKLightImages {

namespace {

QColor colorOf(ZKStatusLight light) {
    switch (light) {
        case ZKStatusLight::Green:
            return QColor(0x34, 0xC7, 0x59);
        case ZKStatusLight::Yellow:
            return QColor(0xFF, 0x9F, 0x0A);
        case ZKStatusLight::Red:
            return QColor(0xFF, 0x3B, 0x30);
        case ZKStatusLight::Grey:
            break;
    }
    return QColor(0x9A, 0x9A, 0x9E);
}

QString roundImageName(ZKStatusLight light) {
    switch (light) {
        case ZKStatusLight::Green:
            return QStringLiteral("ZKStatusAvailable");
        case ZKStatusLight::Yellow:
            return QStringLiteral("ZKStatusPartiallyAvailable");
        case ZKStatusLight::Red:
            return QStringLiteral("ZKStatusUnavailable");
        case ZKStatusLight::Grey:
            break;
    }
    return QStringLiteral("ZKStatusNone");
}

// A lamp with a soft highlight; the grey one is an empty ring, as a status "none" reads.
void drawRound(QPainter &painter, ZKStatusLight light, qreal size) {
    const QColor color = colorOf(light);
    const QRectF lamp(size * 0.15, size * 0.15, size * 0.7, size * 0.7);
    if (light == ZKStatusLight::Grey) {
        painter.setPen(QPen(color, std::max(1.0, size / 12)));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(lamp.adjusted(0.5, 0.5, -0.5, -0.5));
        return;
    }
    QRadialGradient gradient(lamp.center() - QPointF(size * 0.1, size * 0.1), size * 0.45);
    gradient.setColorAt(0, color.lighter(150));
    gradient.setColorAt(1, color);
    painter.setPen(QPen(color.darker(130), std::max(1.0, size / 16)));
    painter.setBrush(gradient);
    painter.drawEllipse(lamp);
}

void drawArrow(QPainter &painter, ZKStatusLight light, qreal size) {
    const QColor color = colorOf(light);
    const qreal mid = size / 2;
    QPainterPath arrow;
    arrow.moveTo(size * 0.08, mid - size * 0.14);
    arrow.lineTo(size * 0.52, mid - size * 0.14);
    arrow.lineTo(size * 0.52, mid - size * 0.36);
    arrow.lineTo(size * 0.94, mid);
    arrow.lineTo(size * 0.52, mid + size * 0.36);
    arrow.lineTo(size * 0.52, mid + size * 0.14);
    arrow.lineTo(size * 0.08, mid + size * 0.14);
    arrow.closeSubpath();
    painter.setPen(QPen(color.darker(130), std::max(1.0, size / 16), Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.setBrush(color);
    painter.drawPath(arrow);
}

}  // namespace

Style styleFor(qint64 arrowMode, bool showsInterimName) {
    return arrowMode >= 2 || (arrowMode == 1 && showsInterimName) ? Style::Arrow : Style::Round;
}

QString arrowImageName(ZKStatusLight light) {
    switch (light) {
        case ZKStatusLight::Green:
            return QStringLiteral("ZKTrafficLightArrowGreen");
        case ZKStatusLight::Yellow:
            return QStringLiteral("ZKTrafficLightArrowOrange");
        case ZKStatusLight::Red:
            return QStringLiteral("ZKTrafficLightArrowRed");
        case ZKStatusLight::Grey:
            break;
    }
    return QStringLiteral("ZKTrafficLightArrowGray");
}

QPixmap pixmap(Style style, ZKStatusLight light, int size, qreal devicePixelRatio) {
    const QString name = style == Style::Arrow ? arrowImageName(light) : roundImageName(light);
    const QString key = QStringLiteral("%1@%2x%3").arg(name).arg(size).arg(devicePixelRatio);
    QPixmap image;
    if (QPixmapCache::find(key, &image)) return image;

    const int pixels = qRound(size * devicePixelRatio);
    image = QPixmap(pixels, pixels);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        if (style == Style::Arrow)
            drawArrow(painter, light, pixels);
        else
            drawRound(painter, light, pixels);
    }
    image.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, image);
    return image;
}

}  // namespace ZKLightImages
