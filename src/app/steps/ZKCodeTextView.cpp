#include "app/steps/ZKCodeTextView.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringListModel>
#include <QTextBlock>
#include <QWheelEvent>
#include <algorithm>
#include <memory>

#include "app/steps/ZKCodeHighlighter.h"
#include "common/UserDefaults.h"
#include "engine/AdvancedCompletion.h"
#include "engine/LazinessIndicator.h"

namespace {

const QString kCodeFontSizeKey = QStringLiteral("Code Font Size");

QString leadingWhitespace(const QString &line) {
    qsizetype end = 0;
    while (end < line.size() && line.at(end).isSpace()) ++end;
    return line.left(end);
}

}  // namespace

ZKCodeTextView::ZKCodeTextView(QWidget *parent)
    : QPlainTextEdit(parent),
      completer_(new QCompleter(this)),
      completions_(new QStringListModel(this)),
      highlighter_(new ZKCodeHighlighter(document())) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(false);
    setViewportMargins(0, 5, 0, 5);
    QPalette grey = palette();
    grey.setColor(QPalette::Text, palette().color(QPalette::PlaceholderText));
    setPalette(grey);
    highlighter_->setPalette(grey);
    resetFont();
    completer_->setModel(completions_);
    completer_->setWidget(this);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    connect(completer_, qOverload<const QString &>(&QCompleter::activated), this,
            &ZKCodeTextView::insertCompletion);
    addCommands();
    connect(this, &QPlainTextEdit::cursorPositionChanged, this,
            &ZKCodeTextView::revealCaretInStepList);
}

// In a list of steps taller than the window, the step list scrolls to keep the caret in
// sight, with a margin of twice the text inset.
void ZKCodeTextView::revealCaretInStepList() {
    for (QWidget *ancestor = parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        auto *area = qobject_cast<QScrollArea *>(ancestor);
        if (!area || !area->widget() || !area->widget()->isAncestorOf(this)) continue;
        const QRect caret = cursorRect();
        const QPoint centre = viewport()->mapTo(area->widget(), caret.center());
        area->ensureVisible(centre.x(), centre.y(), 0, caret.height() / 2 + 10);
        return;
    }
}

void ZKCodeTextView::addCommands() {
    const auto add = [this](const QString &title, const QKeySequence &shortcut, auto slot) {
        auto *action = new QAction(title, this);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        commands_ << action;
    };
    add(tr("Shift Right"), QKeySequence(Qt::CTRL | Qt::Key_BracketRight),
        [this] { shiftSelection(1); });
    add(tr("Shift Left"), QKeySequence(Qt::CTRL | Qt::Key_BracketLeft),
        [this] { shiftSelection(-1); });
    add(tr("Insert Laziness Indicator"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L),
        [this] { insertLazinessIndicator(); });
}

void ZKCodeTextView::contextMenuEvent(QContextMenuEvent *event) {
    std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    menu->addSeparator();
    menu->addActions(commands_);
    menu->exec(event->globalPos());
}

int ZKCodeTextView::codeFontSize() {
    static const int size = [] {
        const qint64 stored = UserDefaults::standardUserDefaults().integerForKey(kCodeFontSizeKey);
        if (stored < 1) return 12;
        return int(std::clamp<qint64>(stored, 8, 50));
    }();
    return size;
}

void ZKCodeTextView::resetFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(codeFontSize());
    setFont(font);
}

void ZKCodeTextView::setColouring(const AdvancedCodeColouring &colouring) {
    highlighter_->setColouring(colouring);
}

QStringList ZKCodeTextView::shownCompletions() const {
    if (!completer_->popup()->isVisible()) return {};
    return completions_->stringList();
}

int ZKCodeTextView::suggestedHeight() const {
    const int needed =
        int(document()->size().height() * fontMetrics().lineSpacing()) + 2 * frameWidth() + 10 + 1;
    return qBound(70, needed, 500);
}

void ZKCodeTextView::keyPressEvent(QKeyEvent *event) {
    // The commands' keys act while the editor has the focus, ahead of the window's menus.
    const QKeySequence pressed(event->keyCombination());
    for (QAction *command : std::as_const(commands_)) {
        if (command->shortcut() == pressed) {
            command->trigger();
            return;
        }
    }
    if (completer_->popup()->isVisible()) {
        switch (event->key()) {
            case Qt::Key_Enter:
            case Qt::Key_Return:
            case Qt::Key_Escape:
            case Qt::Key_Tab:
                event->ignore();
                return;
            default:
                break;
        }
    }
    if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::NoModifier &&
        moveIntoEmptyQuotes())
        return;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & ~Qt::KeypadModifier)) {
        insertNewlineWithIndentation();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
    if (!event->text().isEmpty()) complete();
}

bool ZKCodeTextView::moveIntoEmptyQuotes() {
    const std::optional<qsizetype> target =
        AdvancedCompletion::tabTarget(toPlainText(), textCursor().position());
    if (!target) return false;
    QTextCursor cursor = textCursor();
    cursor.setPosition(int(*target));
    setTextCursor(cursor);
    return true;
}

void ZKCodeTextView::insertNewlineWithIndentation() {
    QTextCursor cursor = textCursor();
    const QString line = cursor.block().text().left(cursor.positionInBlock());
    cursor.insertText(QLatin1Char('\n') + leadingWhitespace(line));
    setTextCursor(cursor);
}

void ZKCodeTextView::complete() {
    if (isCompleting_) return;
    QScopedValueRollback guard(isCompleting_, true);
    const QString text = toPlainText();
    const std::optional<AdvancedScanning::Range> range =
        AdvancedCompletion::rangeForUserCompletion(text, textCursor().position());
    const QStringList candidates =
        range ? AdvancedCompletion::completions(text.mid(range->start, range->end - range->start))
              : QStringList();
    if (candidates.isEmpty()) {
        completer_->popup()->hide();
        return;
    }
    completionStart_ = int(range->start);
    completions_->setStringList(candidates);
    QRect rectangle = cursorRect();
    rectangle.setWidth(completer_->popup()->sizeHintForColumn(0) + 24);
    completer_->complete(rectangle);
}

void ZKCodeTextView::insertCompletion(const QString &completion) {
    QScopedValueRollback guard(isCompleting_, true);
    QTextCursor cursor = textCursor();
    cursor.setPosition(completionStart_, QTextCursor::KeepAnchor);
    cursor.insertText(completion);
    if (const std::optional<qsizetype> inside =
            AdvancedCompletion::caretInsideFirstEmptyQuotes(completion))
        cursor.setPosition(completionStart_ + int(*inside));
    setTextCursor(cursor);
}

void ZKCodeTextView::shiftSelection(int direction) {
    QTextCursor cursor = textCursor();
    const bool caretOnly = !cursor.hasSelection();
    QTextBlock first = document()->findBlock(cursor.selectionStart());
    const QTextBlock last = document()->findBlock(cursor.selectionEnd());
    cursor.beginEditBlock();
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        QTextCursor line(block);
        const QString text = block.text();
        if (text.trimmed().isEmpty()) {
            line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            line.removeSelectedText();
        } else if (direction > 0) {
            line.insertText(QStringLiteral("\t"));
        } else if (text.at(0).isSpace()) {
            line.deleteChar();
        }
        if (block == last) break;
    }
    cursor.endEditBlock();
    if (caretOnly) return;
    QTextCursor selection(document());
    selection.setPosition(first.position());
    selection.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    setTextCursor(selection);
}

void ZKCodeTextView::insertLazinessIndicator() {
    textCursor().insertText(LazinessIndicator::kIndicator);
}

void ZKCodeTextView::wheelEvent(QWheelEvent *event) {
    // Text that fits leaves the wheel to the step list around the editor.
    if (verticalScrollBar()->maximum() == 0) {
        event->ignore();
        return;
    }
    QPlainTextEdit::wheelEvent(event);
}

bool ZKCodeTextView::canInsertFromMimeData(const QMimeData *source) const {
    return source->hasText();
}

void ZKCodeTextView::insertFromMimeData(const QMimeData *source) {
    if (source->hasText()) textCursor().insertText(source->text());
}
