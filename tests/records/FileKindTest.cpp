#include <gtest/gtest.h>

#include "records/FileKind.h"

using FileKind::sortKey;

namespace {
const QString kFolder = QStringLiteral("                    com.quorlix.Torvane.FileType.1-Folder");
const QString kNone = QStringLiteral("                    com.quorlix.Torvane.FileType.2-None");
}  // namespace

TEST(FileKindTest, PlainFolderKeysCarryTheirExtensionOnly) {
    EXPECT_EQ(sortKey(QStringLiteral("Photos"), true, false, QString(), QString()), kFolder);
    EXPECT_EQ(sortKey(QStringLiteral("conf.d"), true, false, QString(), QString()),
              kFolder + QStringLiteral(": d"));
    EXPECT_EQ(sortKey(QStringLiteral("v1.x-y"), true, false, QString(), QString()), kFolder);
}

TEST(FileKindTest, FilesAndPackagesCarryExtensionAndCodes) {
    EXPECT_EQ(sortKey(QStringLiteral("a.txt"), false, false, QString(), QString()),
              QStringLiteral("txt:     |    "));
    EXPECT_EQ(sortKey(QStringLiteral("Tool.app"), true, true, QString(), QString()),
              QStringLiteral("app:     |    "));
    EXPECT_EQ(sortKey(QStringLiteral("README"), false, false, QString(), QString()),
              kNone + QStringLiteral(":     |    "));
    EXPECT_EQ(sortKey(QStringLiteral(".profile"), false, false, QString(), QString()),
              kNone + QStringLiteral(":     |    "));
    EXPECT_EQ(sortKey(QStringLiteral("a.txt"), false, false, QStringLiteral("TEXT"),
                      QStringLiteral("ttxt")),
              QStringLiteral("txt: TEXT|ttxt"));
}

TEST(FileKindTest, CodesLoseOneSurroundingPairOfQuotes) {
    EXPECT_EQ(FileKind::codeWithoutQuotes(QStringLiteral("'TEXT'")), QStringLiteral("TEXT"));
    EXPECT_EQ(FileKind::codeWithoutQuotes(QStringLiteral("''")), QString());
    EXPECT_EQ(FileKind::codeWithoutQuotes(QStringLiteral("'")), QStringLiteral("'"));
    EXPECT_EQ(FileKind::codeWithoutQuotes(QStringLiteral("'ab")), QStringLiteral("'ab"));
    EXPECT_EQ(FileKind::codeWithoutQuotes(QStringLiteral("TEXT")), QStringLiteral("TEXT"));
}
