#include <QAbstractItemView>
#include <QCompleter>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "StepAreaFixture.h"
#include "app/steps/Eventually.h"
#include "app/steps/SnippetMenu.h"
#include "app/steps/ZKAdvancedEditor.h"
#include "app/steps/ZKCodeTextView.h"

// The Advanced step in the window: its code editor, the check after each computation and
// the prompt answered by the user.
class AdvancedEditorTest : public StepAreaFixture {
protected:
    void useAdvanced(const QString &prototype) {
        useSteps({stepWith(
            {{"Task", qint64(AdvancedOperation)}, {"Rename: Advanced: Prototpye", prototype}})});
    }
    ZKAdvancedEditor *editor() const { return qobject_cast<ZKAdvancedEditor *>(view(0)->editor()); }
    ZKCodeTextView *code() const { return editor()->codeTextView(); }
    void placeCaret(int position) {
        QTextCursor cursor = code()->textCursor();
        cursor.setPosition(position);
        code()->setTextCursor(cursor);
    }
};

TEST_F(AdvancedEditorTest, EditingRecomputesAndShowsErrorsOfABrokenPrototype) {
    useAdvanced("[uppercase <name>]");
    ASSERT_TRUE(editor());
    EXPECT_EQ(newName("alpha.txt"), "ALPHA");
    EXPECT_FALSE(editor()->showErrorsButton()->isVisible());
    // The function name takes the colour of functions, like its brackets.
    const QList<QTextLayout::FormatRange> formats =
        code()->document()->firstBlock().layout()->formats();
    const auto name = std::find_if(formats.begin(), formats.end(), [](const auto &range) {
        return range.start <= 1 && range.start + range.length >= 10;
    });
    ASSERT_NE(name, formats.end());
    EXPECT_EQ(name->format.foreground().color(), code()->palette().color(QPalette::Link));

    code()->setFocus();
    code()->moveCursor(QTextCursor::End);
    QTest::keyClicks(code(), "]");
    EXPECT_EVENTUALLY_TRUE(editor()->showErrorsButton()->isVisible(), 3000);
    EXPECT_EQ(newName("alpha.txt"), "") << "a syntax error withdraws every new name";

    // The button shows the list of the last evaluation, taken literally, with one OK.
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto *alert = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!alert) return;
        shown = alert->windowTitle() + "|" + alert->text() + "|" +
                QString::number(alert->buttons().size());
        alert->accept();
    });
    QTest::mouseClick(editor()->showErrorsButton(), Qt::LeftButton);
    EXPECT_EQ(shown, "Syntax Errors|- \"[\" and \"]\" function brackets must be balanced\n|1");
}

TEST_F(AdvancedEditorTest, CompletionTabAndIndentation) {
    useAdvanced("");
    code()->setFocus();
    QTest::keyClicks(code(), "[up");
    EXPECT_EQ(code()->shownCompletions(), QStringList({"[uppercase \"\"]"}));
    QTest::keyClick(code()->completer()->popup(), Qt::Key_Down);
    QTest::keyClick(code()->completer()->popup(), Qt::Key_Return);
    EXPECT_EQ(code()->toPlainText(), "[uppercase \"\"]");
    EXPECT_EQ(code()->textCursor().position(), 12) << "between the quotation marks";

    code()->setPlainText("  [pad \"ab\" to \"\" characters]");
    placeCaret(8);
    QTest::keyClick(code(), Qt::Key_Tab);
    EXPECT_EQ(code()->textCursor().position(), 16);
    code()->moveCursor(QTextCursor::End);
    QTest::keyClick(code(), Qt::Key_Return);
    EXPECT_EQ(code()->toPlainText(), "  [pad \"ab\" to \"\" characters]\n  ");

    code()->setPlainText("a\n\tb\n   \nc");
    code()->selectAll();
    code()->shiftSelection(1);
    EXPECT_EQ(code()->toPlainText(), "\ta\n\t\tb\n\n\tc");
    code()->shiftSelection(-1);
    code()->shiftSelection(-1);
    EXPECT_EQ(code()->toPlainText(), "a\nb\n\nc");
    placeCaret(2);
    QTest::keyClick(code(), Qt::Key_BracketRight, Qt::ControlModifier);
    EXPECT_EQ(code()->toPlainText(), "a\n\tb\n\nc") << "only the caret's line";
}

TEST_F(AdvancedEditorTest, PromptIsAskedOnceForTheWholeList) {
    ui.promptAnswer = QStringLiteral("Summer");
    useAdvanced("[concatenate [prompt \"Season?\"] \" \" <name> <.extension>]");
    EXPECT_EQ(newName("alpha.txt"), "Summer alpha.txt");
    EXPECT_EQ(newName("beta.txt"), "Summer beta.txt");
    EXPECT_EQ(ui.prompts, QStringList({"Season?"}));

    ui.promptAnswer.reset();
    useAdvanced("[concatenate [prompt \"Cancelled?\"] <name>]");
    EXPECT_EQ(newName("alpha.txt"), "");
    EXPECT_TRUE(editor()->showErrorsButton()->isVisible());
    EXPECT_EQ(controller->renamers().first()->advancedErrorMessage(),
              "- [prompt] cannot prompt for string\n");
}

TEST_F(AdvancedEditorTest, SnippetSavedFromTheEditorIsInsertedAtTheCaret) {
    useAdvanced("[uppercase <name>]");
    auto *button = editor()->findChild<QToolButton *>(QStringLiteral("advancedSnippetButton"));
    ASSERT_TRUE(button);
    auto *snippets = button->findChild<SnippetMenu *>();
    ASSERT_TRUE(snippets);
    SnippetMenu::setNameAsker([](QWidget *, const QString &) { return QStringLiteral("Shout"); });
    const auto trigger = [snippets](const QString &title) {
        emit snippets->menu()->aboutToShow();
        for (QAction *action : snippets->menu()->actions()) {
            if (action->text() == title && action->isEnabled()) return action->trigger(), true;
            if (QMenu *submenu = action->menu())
                for (QAction *inner : submenu->actions())
                    if (inner->text() == title) return inner->trigger(), true;
        }
        return false;
    };
    EXPECT_TRUE(trigger("Create Snippet..."));
    SnippetMenu::setNameAsker(nullptr);

    code()->setPlainText("[concatenate  \"!\"]");
    placeCaret(13);
    ASSERT_TRUE(trigger("Shout"));
    EXPECT_EQ(code()->toPlainText(), "[concatenate [uppercase <name>] \"!\"]");
    EXPECT_EVENTUALLY_TRUE(newName("alpha.txt") == "ALPHA!", 3000);
}
