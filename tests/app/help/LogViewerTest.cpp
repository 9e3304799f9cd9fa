#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "app/help/LogTail.h"
#include "app/help/ZKLogViewer.h"
#include "common/UserDefaults.h"
#include "support/TestEnvironment.h"

namespace {

void append(const QString &path, const QByteArray &text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(text);
}

QByteArray numberedLines(int from, int to) {
    QByteArray text;
    for (int line = from; line <= to; ++line) text += "line " + QByteArray::number(line) + '\n';
    return text;
}

}  // namespace

TEST(LogTailTest, ReadsTheEndFirstThenOlderLinesAndOnlyCompleteNewOnes) {
    TestDir dir;
    const QString path = dir.makeFile("torvane.log", numberedLines(1, 40));
    LogTail tail(path, 64);
    const QStringList last = tail.readTail();
    ASSERT_FALSE(last.isEmpty());
    EXPECT_EQ(last.last(), "line 40");
    EXPECT_TRUE(last.first().startsWith("line "));  // never a piece of a line
    QStringList all = last;
    while (tail.hasOlder()) all = tail.readOlder() + all;
    EXPECT_EQ(all.join('\n').toUtf8() + '\n', numberedLines(1, 40));

    bool restarted = true;
    append(path, "line 41\nline 4");
    EXPECT_EQ(tail.readNewer(&restarted), QStringList({"line 41"}));
    EXPECT_FALSE(restarted);
    append(path, "2\n");
    EXPECT_EQ(tail.readNewer(&restarted), QStringList({"line 42"}));

    // Rotated: a new, shorter file under the same name is read from its start.
    ASSERT_TRUE(QFile::rename(path, path + ".1"));
    dir.makeFile("torvane.log", "fresh\n");
    EXPECT_EQ(tail.readNewer(&restarted), QStringList({"fresh"}));
    EXPECT_TRUE(restarted);
}

TEST(LogViewerTest, FollowsAGrowingLogFiltersAndSwitchesDebugLogging) {
    TestDir dir;
    const QString path = dir.makeFile("torvane.log", "[Historian] cannot save history\n");
    ZKLogViewer viewer(path);
    EXPECT_EQ(viewer.textView()->toPlainText(), "[Historian] cannot save history");

    append(path, "[Debug] scanned 3 items in 0.01 seconds\n");
    // The file watch (or the poll) brings the line in by itself.
    const QString both = "[Historian] cannot save history\n[Debug] scanned 3 items in 0.01 seconds";
    EXPECT_TRUE(QTest::qWaitFor([&] { return viewer.textView()->toPlainText() == both; }, 5000))
        << viewer.textView()->toPlainText().toStdString();

    viewer.filterField()->setText("debug");
    EXPECT_EQ(viewer.textView()->toPlainText(), "[Debug] scanned 3 items in 0.01 seconds");
    append(path, "[Export] no renamers\n[Debug] later\n");
    viewer.refresh();
    EXPECT_EQ(viewer.textView()->toPlainText(),
              "[Debug] scanned 3 items in 0.01 seconds\n[Debug] later");

    UserDefaults &defaults = UserDefaults::standardUserDefaults();
    viewer.debugSwitch()->click();
    EXPECT_TRUE(defaults.boolForKey("ZKDebugLog"));
    defaults.setBool(false, "ZKDebugLog");
    EXPECT_FALSE(viewer.debugSwitch()->isChecked());
}
