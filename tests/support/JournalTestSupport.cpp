#include "JournalTestSupport.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>

#include "journal/JournalStore.h"
#include "platform/FileAttributes.h"
#include "platform/NoClobberMove.h"

namespace JournalTestSupport {

void removeAllJournals() {
    for (const QString &path : JournalStore::journalPaths()) QFile::remove(path);
}

QString recordRun(const QList<JournalMove> &moves, int crashAt, Crash crash) {
    QString error;
    std::unique_ptr<RunJournal> journal = RunJournal::begin(moves, &error);
    EXPECT_TRUE(journal) << error.toStdString();
    if (!journal) return QString();
    for (qsizetype i = 0; i < moves.size(); ++i) {
        EXPECT_TRUE(journal->willMove(moves[i]));
        const bool dies = i == crashAt;
        if (dies && crash == Crash::BeforeMove) break;
        EXPECT_TRUE(NoClobberMove::move(moves[i].from, moves[i].to, &error)) << error.toStdString();
        if (dies) break;
        EXPECT_TRUE(journal->didMove(moves[i]));
    }
    if (crashAt < 0) {
        EXPECT_TRUE(journal->end());
    }
    return journal->path();
}

QByteArray contentOf(const QByteArray &path) {
    // By the exact bytes: a name that is no UTF-8 does not survive a QString.
    const int descriptor = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return QByteArray("<missing>");
    QByteArray content;
    char buffer[4096];
    ssize_t count = 0;
    while ((count = ::read(descriptor, buffer, sizeof buffer)) > 0) content.append(buffer, count);
    ::close(descriptor);
    return content;
}

bool exists(const QByteArray &path) { return FileAttributes::exists(path); }

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(data), data.size());
}

}  // namespace JournalTestSupport
