#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <memory>
#include <vector>

#include "common/ApplicationSupport.h"
#include "common/Log.h"
#include "common/LogCapture.h"
#include "common/UserDefaults.h"

namespace {

QString logPath() { return ApplicationSupport::stateFolder() + "/torvane.log"; }

QByteArray fileContent(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes to the log file alone (not to the test's standard error), starting from no file.
class LogFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(logPath());
        QFile::remove(logPath() + ".1");
        Log::setEchoToStandardError(false);
    }
    void TearDown() override { Log::setEchoToStandardError(true); }
};

}  // namespace

TEST(LogTest, LinesHaveNoLineBreaks) {
    LogCapture log;
    Log::line("[Historian] cannot save\nhistory\r\nnow");
    Log::line("plain");
    EXPECT_EQ(log.lines(), (QStringList{"[Historian] cannot save history  now", "plain"}));
}

TEST(LogTest, DebugLinesAppearOnlyWhileTheDebugDefaultIsOn) {
    UserDefaults::resetStandardUserDefaults();
    UserDefaults &defaults = UserDefaults::standardUserDefaults();
    LogCapture log;
    defaults.setBool(false, "ZKDebugLog");
    EXPECT_FALSE(Log::isDebugEnabled());
    Log::debug("hidden");
    defaults.setBool(true, "ZKDebugLog");
    EXPECT_TRUE(Log::isDebugEnabled());
    Log::debug("renamed 3 items");
    defaults.removeObjectForKey("ZKDebugLog");
    Log::debug("hidden again");
    EXPECT_EQ(log.lines(), QStringList{"[Debug] renamed 3 items"});
    UserDefaults::resetStandardUserDefaults();
}

TEST_F(LogFileTest, LinesAreAppendedToTheLogFile) {
    Log::line("first line");
    Log::line("second\nline");
    const QList<QByteArray> lines = fileContent(logPath()).split('\n');
    ASSERT_EQ(lines.size(), 3);  // two lines and the empty rest after the last line break
    static const QRegularExpression stamped(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}(Z|[+-]\\d\\d:\\d\\d) "
                       "\\[\\d+\\] first line$"));
    EXPECT_TRUE(stamped.match(QString::fromUtf8(lines[0])).hasMatch()) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith(" second line")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].isEmpty());
}

TEST_F(LogFileTest, AFileOverOneMebibyteIsRotatedReplacingTheOlderRotation) {
    const QByteArray big(1024 * 1024 + 1, 'x');
    for (const auto &[path, content] :
         {std::pair{logPath(), big}, std::pair{logPath() + ".1", QByteArray("older")}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    Log::line("after rotation");
    EXPECT_EQ(fileContent(logPath() + ".1"), big);
    EXPECT_TRUE(fileContent(logPath()).endsWith(" after rotation\n"));
    EXPECT_LT(fileContent(logPath()).size(), 200);

    // A file of exactly the limit is not rotated yet.
    QFile::remove(logPath() + ".1");
    QFile file(logPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(1024 * 1024, 'y'));
    file.close();
    Log::line("small");
    EXPECT_FALSE(QFile::exists(logPath() + ".1"));
    EXPECT_TRUE(fileContent(logPath()).endsWith(" small\n"));
}

TEST_F(LogFileTest, LinesFromManyThreadsStayWhole) {
    constexpr int kThreads = 4, kLines = 200;
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back(QThread::create([t] {
            for (int i = 0; i < kLines; ++i)
                Log::line(QStringLiteral("[Drop] thread %1 line %2 end").arg(t).arg(i));
        }));
        threads.back()->start();
    }
    for (auto &thread : threads) thread->wait();
    const QStringList lines =
        QString::fromUtf8(fileContent(logPath())).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), kThreads * kLines);
    static const QRegularExpression whole(QStringLiteral(" \\[Drop\\] thread \\d line \\d+ end$"));
    for (const QString &line : lines)
        EXPECT_TRUE(whole.match(line).hasMatch()) << line.toStdString();
}
