#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>

#include "ProxyFieldFixture.h"
#include "app/tokens/ProxyChipObject.h"
#include "tokens/ProxyPasteboard.h"

// Editing a token field by keyboard and clipboard: tokens stay whole, text stays text.
class ProxyFieldEditingTest : public ProxyFieldFixture {
protected:
    const QVariantMap parent{{"Proxy", "parent folder: name"}, {"Ancestor Level", qint64(3)}};
    const QVariantMap date{{"Proxy", "current date"}, {"Date Format", qint64(2)}};
};

TEST_F(ProxyFieldEditingTest, ATokenIsDeletedWholeAndTypingNextToItMakesText) {
    first->setList({"ab", parent, "cd"});
    QFont larger = first->font();
    larger.setPointSizeF(larger.pointSizeF() + 3);
    first->setFont(larger);
    EXPECT_TRUE(announced().isEmpty()) << "setting the list or the font is no edit";
    first->setCursorPosition(3);
    QTest::keyClicks(first, "x");
    EXPECT_EQ(first->list(), QVariantList({"ab", parent, "xcd"})) << describe(first->list());

    first->setCursorPosition(3);
    QTest::keyClick(first, Qt::Key_Backspace);
    EXPECT_EQ(first->list(), QVariantList({"abxcd"})) << "the whole token, nothing else";
    EXPECT_EQ(announced(), QList<bool>({false, false})) << "typing waits for the delay";

    QTest::keyClick(first, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(first->list(), QVariantList({"ab", parent, "xcd"}))
        << "undo brings the token back with its settings: " << describe(first->list());

    first->setCursorPosition(2);
    QTest::keyClick(first, Qt::Key_Delete);
    EXPECT_EQ(first->list(), QVariantList({"abxcd"}));

    // Return belongs to the window; the field stays one line.
    first->setList({"a", date});
    first->end(false);
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_EQ(first->list(), QVariantList({"a", date}));
    EXPECT_EQ(first->document()->blockCount(), 1);
}

TEST_F(ProxyFieldEditingTest, ChipsAreAsWideAsTheirNamesAndUnknownTypesSayUnknown) {
    const QVariantMap unknown{{"Proxy", "no such type"}};
    EXPECT_EQ(ProxyChipObject::title(unknown), "(Unknown)");
    EXPECT_EQ(ProxyChipObject::title(parent), "Name of Ancestor Folder");
    EXPECT_TRUE(ProxyChipObject::hasMenu(parent));
    EXPECT_FALSE(ProxyChipObject::hasMenu(unknown));

    first->setList({parent, unknown});
    QTextCursor cursor(first->document());
    const int start = first->cursorRect(cursor).left();
    cursor.setPosition(1);
    const int afterParent = first->cursorRect(cursor).left();
    cursor.setPosition(2);
    const int afterUnknown = first->cursorRect(cursor).left();
    EXPECT_GT(afterParent - start, first->fontMetrics().horizontalAdvance("Name of Ancestor"));
    EXPECT_GT(afterUnknown - afterParent,
              first->fontMetrics().horizontalAdvance("(Unknown)") * 0.8);
    EXPECT_EQ(first->list(), QVariantList({parent, unknown})) << "an unknown token is kept";
}

TEST_F(ProxyFieldEditingTest, CopiedTextAndTokensPasteIntoAnotherFieldWithTheirSettings) {
    first->setList({"ab", date, "cd", parent});
    first->setSelection(1, 3);  // "b", the date, "c"
    first->copy();
    const QMimeData *clipboard = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(clipboard && clipboard->hasFormat(ProxyPasteboard::kPasteboardType));

    second->paste();
    EXPECT_EQ(second->list(), QVariantList({"b", date, "c"})) << describe(second->list());
    second->setCursorPosition(1);
    second->paste();
    EXPECT_EQ(second->list(), QVariantList({"bb", date, "c", date, "c"}))
        << describe(second->list());
    EXPECT_EQ(second->cursorPosition(), 4) << "after what was pasted";

    first->setSelection(2, 2);  // the date and "c"
    first->cut();
    EXPECT_EQ(first->list(), QVariantList({"abd", parent}));
    EXPECT_EQ(ProxyPasteboard::readFromPasteboard(QApplication::clipboard()->mimeData()),
              QVariantList({date, "c"}));
    EXPECT_EQ(announced(), QList<bool>({false}));
}

TEST_F(ProxyFieldEditingTest, PlainTextPastesAsTextAndAnEmptyClipboardChangesNothing) {
    first->setList({"ab", date});
    QApplication::clipboard()->setText("photo\n1");
    first->setCursorPosition(1);
    first->paste();
    EXPECT_EQ(first->list(), QVariantList({"aphoto 1b", date})) << "one line, one text";

    QApplication::clipboard()->clear();
    first->setSelection(0, 3);
    first->paste();
    EXPECT_EQ(first->list(), QVariantList({"aphoto 1b", date})) << "the selection stays";
    EXPECT_EQ(announced(), QList<bool>({false}));

    // Text that looks like a token's character is text, not a token.
    QApplication::clipboard()->setText(QString(QChar::ObjectReplacementCharacter));
    second->paste();
    EXPECT_EQ(second->list(), QVariantList({QString(QChar::ObjectReplacementCharacter)}));
}

TEST_F(ProxyFieldEditingTest, TabbingInSelectsAllWhileOtherFocusKeepsTheCaret) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    first->setList({"ab", date, "c"});
    first->setFocus(Qt::MouseFocusReason);
    first->setCursorPosition(2);
    second->setFocus(Qt::MouseFocusReason);
    first->setFocus(Qt::PopupFocusReason);
    EXPECT_EQ(first->cursorPosition(), 2) << "back from a menu: where it was";
    EXPECT_EQ(first->selectionRange().length, 0);

    second->setFocus(Qt::MouseFocusReason);
    first->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(first->selectionRange().start, 0);
    EXPECT_EQ(first->selectionRange().length, 4) << "as a line edit does";
}

TEST_F(ProxyFieldEditingTest, TheFieldBeingEditedTakesItsKeysBeforeTheWindowsShortcuts) {
    // The window pastes files with Ctrl+V; in a field the text goes first.
    auto *windowPaste = new QAction(window.get());
    windowPaste->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));
    window->addAction(windowPaste);
    QSignalSpy windowPastes(windowPaste, &QAction::triggered);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    first->setFocus();

    QApplication::clipboard()->setText("x");
    QTest::keyClick(first, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(first->list(), QVariantList({"x"}));
    EXPECT_EQ(windowPastes.size(), 0);

    QTest::keyClick(first, Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(first->showsProxyMenu()) << "Ctrl+\"+\" as typed on a US keyboard";
    if (QWidget *popup = QApplication::activePopupWidget()) popup->close();
}

TEST_F(ProxyFieldEditingTest, ALongListScrollsToKeepTheCaretInSightAndStaysOneLineHigh) {
    const int height = first->height();
    QVariantList list;
    for (int i = 0; i < 12; ++i) list << QString("part %1 ").arg(i) << parent;
    first->setList(list);
    first->end(false);
    EXPECT_EQ(first->height(), height);
    EXPECT_EQ(first->document()->blockCount(), 1);
    EXPECT_TRUE(first->viewport()->rect().contains(first->cursorRect().center()))
        << "scrolled to the end";
    first->setCursorPosition(0);
    EXPECT_TRUE(first->viewport()->rect().contains(first->cursorRect().center()))
        << "and back to the start";
}

TEST_F(ProxyFieldEditingTest, DroppedTokensLandWhereTheyAreDropped) {
    second->setList({"abcd"});
    QMimeData data;
    ASSERT_TRUE(ProxyPasteboard::writeRepresentedObjects({date, "-"}, &data));
    QTextCursor at(second->document());
    at.setPosition(2);
    const QPoint where = second->cursorRect(at).center();
    // A drag comes in, moves over the field and drops.
    QDragEnterEvent enter(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(second->viewport(), &enter);
    QDragMoveEvent move(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(second->viewport(), &move);
    QDropEvent drop(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(second->viewport(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(second->list(), QVariantList({"ab", date, "-cd"})) << describe(second->list());
}
