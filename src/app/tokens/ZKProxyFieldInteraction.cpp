// ZKProxyField: keys, mouse, menus, painting and the layout of its buttons.
#include <QContextMenuEvent>
#include <QDateTime>
#include <QMenu>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyleOptionFrame>
#include <QToolButton>

#include "app/tokens/ProxyChipObject.h"
#include "app/tokens/ProxyConfigurationMenu.h"
#include "app/tokens/ProxyMenuWidget.h"
#include "app/tokens/ZKProxyField.h"

namespace {

QStyleOptionFrame panelOption(const QWidget *field, bool readOnly) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->rect();
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (readOnly) option.state |= QStyle::State_ReadOnly;
    option.features = QStyleOptionFrame::None;
    return option;
}

}  // namespace

// --- Size and layout ----------------------------------------------------------------------

// As high as a line edit, so that it lines up with the number fields and menus beside it.
QSize ZKProxyField::sizeHint() const {
    ensurePolished();
    const QFontMetrics metrics(font());
    const int height = std::max(metrics.height(), 14) + 2 * kDocumentMargin;
    const int width = metrics.horizontalAdvance(u'x') * 17 + menuWidget_->sizeHint().width();
    const QStyleOptionFrame option = panelOption(this, isReadOnly());
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(width, height), this);
}

QSize ZKProxyField::minimumSizeHint() const {
    const QSize hint = sizeHint();
    return QSize(menuWidget_->sizeHint().width() + fontMetrics().horizontalAdvance(u'x') * 4,
                 hint.height());
}

void ZKProxyField::resizeEvent(QResizeEvent *event) {
    QTextEdit::resizeEvent(event);
    layoutButtons();
}

// The menu widget at the right edge, visible trailing icons before it, the text in the rest.
void ZKProxyField::layoutButtons() {
    const QStyleOptionFrame option = panelOption(this, isReadOnly());
    const int frame = option.lineWidth;
    int right = width() - frame - 1;
    const QSize menuSize = menuWidget_->sizeHint();
    right -= menuSize.width();
    menuWidget_->setGeometry(right, (height() - menuSize.height()) / 2, menuSize.width(),
                             menuSize.height());
    for (QToolButton *button : std::as_const(trailingButtons_)) {
        if (button->isHidden()) continue;
        right -= kTrailingButtonWidth;
        const int side = std::min(kTrailingButtonWidth, height() - 2 * frame);
        button->setGeometry(right, (height() - side) / 2, kTrailingButtonWidth, side);
    }
    const int inner = fontMetrics().height() + 2 * kDocumentMargin;
    const int top = std::max(frame, (height() - inner) / 2);
    const int bottom = std::max(frame, height() - top - inner);
    setViewportMargins(frame + 1, top, width() - right, bottom);
}

QAction *ZKProxyField::addTrailingAction(const QIcon &icon) {
    auto *action = new QAction(icon, QString(), this);
    auto *button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::ArrowCursor);
    button->setIconSize(QSize(16, 16));
    button->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0; }"));
    connect(action, &QAction::changed, this, [this, button, action] {
        button->setVisible(action->isVisible());
        layoutButtons();
    });
    trailingButtons_.append(button);
    layoutButtons();
    return action;
}

// --- Painting -----------------------------------------------------------------------------

bool ZKProxyField::event(QEvent *event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Ours before any shortcut of the window.
            if (isProxyMenuShortcut(static_cast<QKeyEvent *>(event))) {
                event->accept();
                return true;
            }
            break;
        case QEvent::Paint:
            paintPanel();
            return true;
        case QEvent::FontChange:
        case QEvent::StyleChange:
            layoutButtons();
            updateGeometry();
            break;
        default:
            break;
    }
    return QTextEdit::event(event);
}

// The frame and background of a line edit around the text.
void ZKProxyField::paintPanel() {
    QPainter painter(this);
    const QStyleOptionFrame option = panelOption(this, isReadOnly());
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
}

// --- Keys ---------------------------------------------------------------------------------

// Ctrl with "+" (typed with or without Shift): the token menu, as Command-"+" elsewhere.
bool ZKProxyField::isProxyMenuShortcut(const QKeyEvent *event) const {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool plus = event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal;
    return plus && (modifiers & Qt::ControlModifier) && !(modifiers & Qt::MetaModifier) &&
           !(modifiers & Qt::AltModifier);
}

void ZKProxyField::keyPressEvent(QKeyEvent *event) {
    if (isProxyMenuShortcut(event)) {
        showProxies();
        event->accept();
        return;
    }
    // One line: Return belongs to the window (its default button), not to the text.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void ZKProxyField::focusInEvent(QFocusEvent *event) {
    QTextEdit::focusInEvent(event);
    // As a line edit does: tabbing in selects everything; a click, the token menu closing
    // or the window coming back keep the caret and selection where they were.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        selectAll();
    update();
}

void ZKProxyField::focusOutEvent(QFocusEvent *event) {
    QTextEdit::focusOutEvent(event);
    update();
}

// The step list scrolls, not the one line.
void ZKProxyField::wheelEvent(QWheelEvent *event) { event->ignore(); }

// --- Mouse and the settings menu ----------------------------------------------------------

QRect ZKProxyField::chipRect(int position) const {
    QTextCursor cursor(document());
    cursor.setPosition(position);
    const QRect left = cursorRect(cursor);
    cursor.setPosition(position + 1);
    const QRect right = cursorRect(cursor);
    return QRect(QPoint(left.left(), left.top()), QPoint(right.left(), left.bottom()));
}

// The position of the token under the point (viewport coordinates), or -1.
int ZKProxyField::chipAt(const QPoint &viewportPosition) const {
    const int nearest = cursorForPosition(viewportPosition).position();
    for (int position : {nearest - 1, nearest}) {
        if (position < 0 || position >= document()->characterCount() - 1) continue;
        QTextCursor cursor(document());
        cursor.setPosition(position + 1);
        if (!ProxyChipObject::isChip(cursor.charFormat())) continue;
        const QRect rect = chipRect(position);
        if (viewportPosition.x() >= rect.left() && viewportPosition.x() < rect.right())
            return position;
    }
    return -1;
}

void ZKProxyField::mousePressEvent(QMouseEvent *event) {
    const bool plainClick = event->button() == Qt::LeftButton &&
                            !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
    const int chip = plainClick ? chipAt(event->position().toPoint()) : -1;
    if (chip >= 0) {
        setFocus(Qt::MouseFocusReason);
        setCursorPosition(chip + 1);
        const QPoint below = chipRect(chip).bottomLeft() + QPoint(0, 3);
        if (openConfigurationMenu(chip, viewport()->mapToGlobal(below))) {
            event->accept();
            return;
        }
    }
    QTextEdit::mousePressEvent(event);
}

void ZKProxyField::contextMenuEvent(QContextMenuEvent *event) {
    if (event->reason() == QContextMenuEvent::Mouse) {
        const int chip = chipAt(event->pos());
        if (chip >= 0 && openConfigurationMenu(chip, event->globalPos())) return;
    } else if (!textCursor().hasSelection() && cursorPosition() > 0) {
        // From the keyboard: the settings of the token just before the caret.
        const int chip = cursorPosition() - 1;
        const QPoint below = chipRect(chip).bottomLeft() + QPoint(0, 3);
        if (openConfigurationMenu(chip, viewport()->mapToGlobal(below))) return;
    }
    QMenu *menu = createStandardContextMenu(event->pos());
    addContextMenuActions(menu);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void ZKProxyField::addContextMenuActions(QMenu *) {}

bool ZKProxyField::openConfigurationMenu(int position, const QPoint &globalPosition) {
    QMenu *menu = configurationMenuForRepresentedObject(position);
    if (!menu) return false;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    shownConfigurationMenu_ = menu;
    menu->popup(globalPosition);
    return true;
}

QMenu *ZKProxyField::configurationMenuForRepresentedObject(int position) {
    if (position < 0 || position >= document()->characterCount() - 1) return nullptr;
    QTextCursor cursor(document());
    cursor.setPosition(position + 1);
    if (!ProxyChipObject::isChip(cursor.charFormat())) return nullptr;
    const QVariantMap token = ProxyChipObject::token(cursor.charFormat());
    return ProxyConfigurationMenu::create(
        token, QDateTime::currentDateTime(), this,
        [this, position, token](ProxySettings::Section section, qint64 tag) {
            changeSettingOfProxy(position, token, section, tag);
        });
}

void ZKProxyField::changeSettingOfProxy(int position, const QVariantMap &token,
                                        ProxySettings::Section section, qint64 tag) {
    if (position < 0 || position >= document()->characterCount() - 1) return;
    QTextCursor cursor(document());
    cursor.setPosition(position);
    cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
    // The token may have gone while the menu was open.
    if (!ProxyChipObject::isChip(cursor.charFormat()) ||
        ProxyChipObject::token(cursor.charFormat()) != token)
        return;
    const QVariantMap changed = ProxySettings::tokenWithChoice(token, section, tag);
    {
        QScopedValueRollback quiet(quiet_, true);
        // Only the token's format changes: the caret and the selection stay.
        cursor.setCharFormat(ProxyChipObject::format(changed));
    }
    viewport()->update();
    postDelaySkippingTextDidChangeNotification();
}
