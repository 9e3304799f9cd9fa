#include <gtest/gtest.h>

#include <QFile>

#include "platform/NameLimits.h"
#include "records/ZKFileRepresentation.h"
#include "support/TestEnvironment.h"

// The limit is in bytes on disk: two per "é", four per emoji.
TEST(ZKRenameNameRelevanceTest, LongNamesAreMeasuredInBytesOnDisk) {
    TestDir dir;
    const QByteArray path = QFile::encodeName(dir.makeFile(QStringLiteral("a.txt")));
    const long limit = NameLimits::maximumNameBytes(QFile::encodeName(dir.path()));
    ZKFileRepresentation file(path);
    const auto errorFor = [&file](const QString &name) {
        file.setRenameName(name);
        QString error;
        file.hasRelevantRenameNameWithError(&error);
        return error;
    };
    const QString accent = QStringLiteral("\u00e9");
    const QString emoji = QStringLiteral("\U0001F600");

    EXPECT_EQ(errorFor(accent.repeated(limit / 2)), QString());
    EXPECT_EQ(errorFor(accent.repeated(limit / 2 + 1)),
              QStringLiteral("Resulting filename is too long (%1 of %2 bytes)")
                  .arg(2 * (limit / 2 + 1))
                  .arg(limit));
    EXPECT_EQ(errorFor(emoji.repeated(limit / 4)), QString());
    EXPECT_FALSE(errorFor(emoji.repeated(limit / 4 + 1)).isEmpty());
    EXPECT_FALSE(errorFor(QStringLiteral("x").repeated(limit + 1)).isEmpty());
    EXPECT_EQ(errorFor(QStringLiteral("x").repeated(limit)), QString());
}
