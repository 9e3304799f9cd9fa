#include "app/tokens/ProxyMenuWidget.h"

#include <QPainter>

ProxyMenuWidget::ProxyMenuWidget(QWidget *parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setToolTip(tr("Insert a token (Ctrl++)"));
    setAccessibleName(tr("Proxies"));
}

void ProxyMenuWidget::setOpen(bool open) {
    if (open_ == open) return;
    open_ = open;
    update();
}

QSize ProxyMenuWidget::sizeHint() const { return QSize(20, 16); }

void ProxyMenuWidget::enterEvent(QEnterEvent *event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ProxyMenuWidget::leaveEvent(QEvent *event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void ProxyMenuWidget::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool pressed = open_ || isDown();
    // Grey like a placeholder, whatever colour the field's text takes; darker when used.
    QColor ink = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::PlaceholderText);
    if (pressed || hovered_) ink = ink.darker(160);
    const QRectF pill = QRectF(rect()).adjusted(2.5, 3.5, -2.5, -3.5);
    if (pressed) {
        QColor fill = palette().color(QPalette::Highlight);
        fill.setAlphaF(0.25f);
        painter.setBrush(fill);
    }
    painter.setPen(QPen(ink, 1.1));
    const qreal radius = pill.height() / 2;
    painter.drawRoundedRect(pill, radius, radius);
    const QPointF center = pill.center();
    const qreal arm = std::min<qreal>(pill.height() / 2 - 1.5, 3);
    painter.setPen(QPen(ink, 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(center - QPointF(arm, 0), center + QPointF(arm, 0));
    painter.drawLine(center - QPointF(0, arm), center + QPointF(0, arm));
}
