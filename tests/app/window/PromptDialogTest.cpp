// The dialog of an Advanced "prompt": it shows the question and always answers, since the
// computation that asked waits for it and has no way to go on without an answer.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/window/ZKPromptDialog.h"

namespace {

// Types the text into the open dialog, then ends it by pressing the key.
void answerLater(ZKPromptDialog &dialog, const QString &text, Qt::Key key) {
    QTimer::singleShot(0, &dialog, [&dialog, text, key] {
        QTest::keyClicks(dialog.answerField(), text);
        QTest::keyClick(dialog.answerField(), key);
    });
}

TEST(PromptDialogTest, EveryWayOfClosingAnswersWithTheField) {
    ZKPromptDialog dialog(QStringLiteral("Which album?\nIt goes before every name."));
    EXPECT_EQ(dialog.questionView()->toPlainText(), "Which album?\nIt goes before every name.");
    EXPECT_TRUE(dialog.questionView()->isReadOnly());
    EXPECT_EQ(dialog.findChildren<QPushButton *>().size(), 1);

    answerLater(dialog, QStringLiteral("Summer"), Qt::Key_Return);
    EXPECT_EQ(dialog.runModal(), "Summer");

    // Escape has no Cancel to stand for: what was typed is the answer. The field starts empty.
    answerLater(dialog, QStringLiteral("Winter"), Qt::Key_Escape);
    EXPECT_EQ(dialog.runModal(), "Winter");

    // Nothing typed is an empty answer, not "no answer".
    answerLater(dialog, QString(), Qt::Key_Return);
    const QString empty = dialog.runModal();
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_FALSE(empty.isNull());
}

}  // namespace
