#include "app/tokens/ZKProxyField.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QMimeData>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>

#include "app/tokens/ProxyChipObject.h"
#include "app/tokens/ProxyMenuWidget.h"
#include "app/tokens/ZKProxyMenu.h"
#include "tokens/ProxyPasteboard.h"
#include "tokens/TokenInsertion.h"
#include "tokens/TokenList.h"
#include "tokens/TokenTextEditing.h"

namespace {

// A one-line field has no line ends: text that brings some gets spaces instead.
QString oneLine(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar lineEnd : {QChar(u'\n'), QChar(u'\r'), QChar(0x2028), QChar(0x2029)})
        text.replace(lineEnd, u' ');
    return text;
}

QVariantList oneLine(const QVariantList &elements) {
    QVariantList result;
    for (const QVariant &element : elements)
        result.append(TokenList::isWrappedProxy(element) ? element
                                                         : QVariant(oneLine(element.toString())));
    return result;
}

}  // namespace

ZKProxyField::ZKProxyField(QWidget *parent)
    : QTextEdit(parent), chips_(new ProxyChipObject(this)), menuWidget_(new ProxyMenuWidget(this)) {
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    setFrameStyle(QFrame::NoFrame);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_InputMethodEnabled);
    document()->setDocumentMargin(kDocumentMargin);
    menuWidget_->setObjectName(QStringLiteral("proxyMenuWidget"));
    connect(menuWidget_, &QAbstractButton::pressed, this, &ZKProxyField::showProxies);
    connect(document(), &QTextDocument::contentsChanged, this, &ZKProxyField::documentDidChange);
    layoutButtons();
}

// --- The list -----------------------------------------------------------------------------

QVariantList ZKProxyField::list() const {
    QVariantList result;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin()) TokenInsertion::appendText(result, QStringLiteral(" "));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!ProxyChipObject::isChip(fragment.charFormat())) {
                TokenInsertion::appendText(result, fragment.text());
                continue;
            }
            // Equal tokens side by side share one fragment.
            const QVariantMap token = ProxyChipObject::token(fragment.charFormat());
            for (int i = 0; i < fragment.length(); ++i) result.append(token);
        }
    }
    return result;
}

void ZKProxyField::setList(const QVariantList &list) {
    QScopedValueRollback quiet(quiet_, true);
    const QVariantList shown = oneLine(TokenInsertion::normalized(list));
    applyList(shown, TokenInsertion::length(shown));
    document()->clearUndoRedoStacks();
    announcedList_ = this->list();
}

bool ZKProxyField::shows(const QVariantList &list) const {
    return this->list() == oneLine(TokenInsertion::normalized(list));
}

QString ZKProxyField::text() const { return TokenTextEditing::editingText(list()); }

// One undoable edit: the document holds the list afterwards, the caret at the position.
void ZKProxyField::applyList(const QVariantList &list, qsizetype caret) {
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    for (const QVariant &element : list) {
        if (TokenList::isWrappedProxy(element))
            cursor.insertText(QString(QChar::ObjectReplacementCharacter),
                              ProxyChipObject::format(element.toMap()));
        else
            cursor.insertText(element.toString(), QTextCharFormat());
    }
    cursor.endEditBlock();
    cursor.setPosition(int(std::clamp<qsizetype>(caret, 0, TokenInsertion::length(list))));
    setTextCursor(cursor);
    ensureCursorVisible();
}

void ZKProxyField::replaceSelection(const QVariantList &elements) {
    const TokenInsertion::Edit edit =
        TokenInsertion::replaceRange(list(), selectionRange(), oneLine(elements));
    QScopedValueRollback quiet(quiet_, true);
    applyList(edit.list, edit.caret);
}

void ZKProxyField::documentDidChange() {
    if (!quiet_ && list() != announcedList_) announce(false);
}

void ZKProxyField::postDelaySkippingTextDidChangeNotification() { announce(true); }

void ZKProxyField::announce(bool skipDelay) {
    announcedList_ = list();
    emit textDidChange(skipDelay);
}

// --- Caret and selection ------------------------------------------------------------------

int ZKProxyField::cursorPosition() const { return textCursor().position(); }

void ZKProxyField::setCursorPosition(int position) { setSelection(position, 0); }

void ZKProxyField::setSelection(int start, int length) {
    const int end = int(TokenInsertion::length(list()));
    QTextCursor cursor(document());
    cursor.setPosition(std::clamp(start, 0, end));
    cursor.setPosition(std::clamp(start + length, 0, end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

TokenInsertion::Range ZKProxyField::selectionRange() const {
    const QTextCursor cursor = textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
}

void ZKProxyField::end(bool mark) {
    moveCursor(QTextCursor::End, mark ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
}

// --- Tokens -------------------------------------------------------------------------------

std::optional<TokenInsertion::Range> ZKProxyField::insertionPoint() const {
    if (menuInsertionPoint_) return *menuInsertionPoint_;
    if (!hasFocus()) return std::nullopt;
    return selectionRange();
}

void ZKProxyField::insertProxy(const QString &identifier) {
    const std::optional<TokenInsertion::Range> point = insertionPoint();
    menuInsertionPoint_.reset();
    if (identifier.isEmpty() || isReadOnly()) return;
    const TokenInsertion::Edit edit = TokenInsertion::insertProxy(list(), point, identifier);
    {
        QScopedValueRollback quiet(quiet_, true);
        applyList(edit.list, edit.caret);
    }
    postDelaySkippingTextDidChangeNotification();
}

QWidget *ZKProxyField::menuWidget() const { return menuWidget_; }

bool ZKProxyField::popUpMenu() {
    if (!isEnabled() || isReadOnly() || !isVisible()) return false;
    ZKProxyMenu *menu = ZKProxyMenu::sharedMenu();
    if (!menu->menuForProxyField(this)) return false;
    menuInsertionPoint_ = hasFocus() ? std::optional(selectionRange()) : std::nullopt;
    setShowsProxyMenu(true);
    menu->popUpLeftOf(
        menuWidget_->mapToGlobal(QPoint(menuWidget_->width(), menuWidget_->height())));
    return true;
}

void ZKProxyField::showProxies() {
    if (!popUpMenu()) QApplication::beep();
}

void ZKProxyField::setShowsProxyMenu(bool shows) {
    if (showsProxyMenu_ == shows) return;
    showsProxyMenu_ = shows;
    menuWidget_->setOpen(shows);
    // The menu closes before its chosen item is triggered; the insertion point waits for it.
    if (!shows) QTimer::singleShot(0, this, [this] { menuInsertionPoint_.reset(); });
    emit showsProxyMenuChanged(shows);
}

// --- Clipboard ----------------------------------------------------------------------------

QMimeData *ZKProxyField::createMimeDataFromSelection() const {
    auto *data = new QMimeData;
    ProxyPasteboard::writeRepresentedObjects(
        TokenInsertion::elementsInRange(list(), selectionRange()), data);
    return data;
}

bool ZKProxyField::canInsertFromMimeData(const QMimeData *source) const {
    return source->hasFormat(ProxyPasteboard::kPasteboardType) || source->hasText();
}

void ZKProxyField::insertFromMimeData(const QMimeData *source) {
    const QVariantList elements = ProxyPasteboard::readFromPasteboard(source);
    if (elements.isEmpty() || isReadOnly()) return;
    replaceSelection(elements);
    announce(false);
}
