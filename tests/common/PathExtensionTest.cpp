#include <gtest/gtest.h>

#include "common/PathExtension.h"

using namespace PathExtension;

TEST(PathExtensionTest, ExtensionIsTextAfterLastDotOfLastComponent) {
    EXPECT_EQ(pathExtension(QStringLiteral("report.pdf")), QStringLiteral("pdf"));
    EXPECT_EQ(pathExtension(QStringLiteral("archive.tar.gz")), QStringLiteral("gz"));
    EXPECT_EQ(pathExtension(QStringLiteral("Version 1.5")), QStringLiteral("5"));
    EXPECT_EQ(pathExtension(QStringLiteral("/home/me.d/README")), QString());
    EXPECT_EQ(pathExtension(QStringLiteral("/home/me/notes.TXT")), QStringLiteral("TXT"));
    EXPECT_EQ(pathExtension(QStringLiteral("Q1:Q2.txt")), QStringLiteral("txt"));
}

TEST(PathExtensionTest, LeadingOrTrailingDotStartsNoExtension) {
    EXPECT_EQ(pathExtension(QStringLiteral(".profile")), QString());
    EXPECT_EQ(pathExtension(QStringLiteral("/home/.profile")), QString());
    EXPECT_EQ(pathExtension(QStringLiteral("a.")), QString());
    EXPECT_EQ(pathExtension(QStringLiteral(".")), QString());
    EXPECT_EQ(pathExtension(QStringLiteral("..")), QString());
    EXPECT_EQ(pathExtension(QString()), QString());
    EXPECT_EQ(pathExtension(QStringLiteral(".config.bak")), QStringLiteral("bak"));
    for (const char *name : {".profile", "a.", ".", "", "photo.jpg/"})
        EXPECT_FALSE(hasPathExtension(QString::fromLatin1(name))) << name;
    EXPECT_TRUE(hasPathExtension(QStringLiteral(".config.bak")));
    EXPECT_EQ(deletingPathExtension(QStringLiteral("a.")), QStringLiteral("a."));
    EXPECT_EQ(deletingPathExtension(QStringLiteral(".profile")), QStringLiteral(".profile"));
    EXPECT_EQ(deletingPathExtension(QStringLiteral("archive.tar.gz")),
              QStringLiteral("archive.tar"));
    EXPECT_EQ(deletingPathExtension(QStringLiteral("notes.txt~")), QStringLiteral("notes"));
}

TEST(PathExtensionTest, NameEndingInSlashKeepsEveryCharacter) {
    // A working name may end in "/" (it becomes ":" later); splitting must not drop it.
    EXPECT_EQ(pathExtension(QStringLiteral("photo.jpg/")), QString());
    QString extension = QStringLiteral("stale");
    EXPECT_EQ(stringByDeletingAlphaNumericPathExtension(QStringLiteral("photo.jpg/"), &extension),
              QStringLiteral("photo.jpg/"));
    EXPECT_EQ(extension, QString());
}

TEST(PathExtensionTest, AlphaNumericMeansLettersMarksAndNumbers) {
    EXPECT_TRUE(isAlphaNumericPathExtension(QStringLiteral("jpeg2000")));
    EXPECT_TRUE(isAlphaNumericPathExtension(QStringLiteral("\u00E9t\u00E9")));
    EXPECT_TRUE(isAlphaNumericPathExtension(QStringLiteral("e\u0301")));  // combining mark
    EXPECT_TRUE(isAlphaNumericPathExtension(QStringLiteral("\u65E5\u672C")));
    EXPECT_TRUE(isAlphaNumericPathExtension(QStringLiteral("\u2167")));  // roman numeral, Nl
    // MATHEMATICAL DOUBLE-STRUCK DIGIT ONE, Nd, outside the BMP.
    EXPECT_TRUE(isAlphaNumericPathExtension(QString::fromUcs4(U"\U0001D7D9")));
    EXPECT_FALSE(isAlphaNumericPathExtension(QString()));
    EXPECT_FALSE(isAlphaNumericPathExtension(QStringLiteral("txt~")));
    EXPECT_FALSE(isAlphaNumericPathExtension(QStringLiteral("backup-old")));
    EXPECT_FALSE(isAlphaNumericPathExtension(QStringLiteral("a b")));
    EXPECT_FALSE(isAlphaNumericPathExtension(QStringLiteral("a_b")));
    EXPECT_FALSE(isAlphaNumericPathExtension(QString::fromUcs4(U"\U0001F600")));  // emoji, So
    EXPECT_FALSE(isAlphaNumericPathExtension(QString(QChar(0xD835))));            // lone surrogate
}

TEST(PathExtensionTest, AlphaNumericExtensionSplitsBaseAndExtension) {
    QString extension;
    EXPECT_EQ(stringByDeletingAlphaNumericPathExtension(QStringLiteral("report.pdf"), &extension),
              QStringLiteral("report"));
    EXPECT_EQ(extension, QStringLiteral("pdf"));
    EXPECT_EQ(stringByDeletingAlphaNumericPathExtension(QStringLiteral("notes.txt~"), &extension),
              QStringLiteral("notes.txt~"));
    EXPECT_EQ(extension, QString());
    EXPECT_EQ(alphaNumericPathExtension(QStringLiteral("2024-01-01.backup-old")), QString());
    EXPECT_EQ(alphaNumericPathExtension(QStringLiteral("Version 1.5")), QStringLiteral("5"));
    EXPECT_EQ(stringByDeletingAlphaNumericPathExtension(QStringLiteral("a.b.c.txt"), nullptr),
              QStringLiteral("a.b.c"));
}

TEST(PathExtensionTest, BareExtensionWorkingNameIsAllExtensionWhenDiskNameHasOne) {
    QString extension;
    EXPECT_EQ(
        alphaNumericPathExtensionFromName(QStringLiteral(".jpg"), QStringLiteral("photo.jpg")),
        QStringLiteral("jpg"));
    EXPECT_EQ(stringByDeletingAlphaNumericPathExtension(QStringLiteral(".jpg"),
                                                        QStringLiteral("photo.jpg"), &extension),
              QString());
    EXPECT_EQ(extension, QStringLiteral("jpg"));

    EXPECT_EQ(
        alphaNumericPathExtensionFromName(QStringLiteral(".profile"), QStringLiteral(".profile")),
        QString());
    EXPECT_EQ(stringByDeletingAlphaNumericPathExtension(QStringLiteral(".profile"),
                                                        QStringLiteral(".profile"), &extension),
              QStringLiteral(".profile"));
    EXPECT_EQ(extension, QString());

    // Not alphanumeric after the dot, or a disk name without an extension: no extension.
    EXPECT_EQ(alphaNumericPathExtensionFromName(QStringLiteral(".j-g"), QStringLiteral("a.jpg")),
              QString());
    EXPECT_EQ(alphaNumericPathExtensionFromName(QStringLiteral(".jpg"), QStringLiteral("README")),
              QString());
    EXPECT_EQ(alphaNumericPathExtensionFromName(QStringLiteral("."), QStringLiteral("a.jpg")),
              QString());
    // A working name with its own extension uses it.
    EXPECT_EQ(stringByDeletingAlphaNumericPathExtension(QStringLiteral("x.png"),
                                                        QStringLiteral("photo.jpg"), &extension),
              QStringLiteral("x"));
    EXPECT_EQ(extension, QStringLiteral("png"));
}

TEST(PathExtensionTest, GracefulAppendAddsDotOnlyForAnExtension) {
    EXPECT_EQ(stringByGracefullyAppendingPathExtension(QStringLiteral("a"), QStringLiteral("txt")),
              QStringLiteral("a.txt"));
    EXPECT_EQ(stringByGracefullyAppendingPathExtension(QStringLiteral("a"), QString()),
              QStringLiteral("a"));
    EXPECT_EQ(stringByGracefullyAppendingPathExtension(QString(), QStringLiteral("jpg")),
              QStringLiteral(".jpg"));
}

TEST(PathExtensionTest, PathComponentsArePlainStringOperations) {
    EXPECT_EQ(lastPathComponent(QStringLiteral("/a/b.txt")), QStringLiteral("b.txt"));
    EXPECT_EQ(lastPathComponent(QStringLiteral("a/b/")), QStringLiteral("b"));
    EXPECT_EQ(lastPathComponent(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(lastPathComponent(QStringLiteral("name")), QStringLiteral("name"));
    EXPECT_EQ(lastPathComponent(QStringLiteral("/a/Q1:Q2")), QStringLiteral("Q1:Q2"));
    EXPECT_EQ(lastPathComponent(QString()), QString());

    EXPECT_EQ(deletingLastPathComponent(QStringLiteral("/a/b.txt")), QStringLiteral("/a"));
    EXPECT_EQ(deletingLastPathComponent(QStringLiteral("/b")), QStringLiteral("/"));
    EXPECT_EQ(deletingLastPathComponent(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(deletingLastPathComponent(QStringLiteral("a/b/")), QStringLiteral("a"));
    EXPECT_EQ(deletingLastPathComponent(QStringLiteral("/a//b")), QStringLiteral("/a"));
    EXPECT_EQ(deletingLastPathComponent(QStringLiteral("name")), QString());

    EXPECT_EQ(appendingPathComponent(QStringLiteral("/a"), QStringLiteral("b")),
              QStringLiteral("/a/b"));
    EXPECT_EQ(appendingPathComponent(QStringLiteral("/a/"), QStringLiteral("/b")),
              QStringLiteral("/a/b"));
    EXPECT_EQ(appendingPathComponent(QStringLiteral("/"), QStringLiteral("b")),
              QStringLiteral("/b"));
    EXPECT_EQ(appendingPathComponent(QString(), QStringLiteral("b")), QStringLiteral("b"));
    EXPECT_EQ(appendingPathComponent(QStringLiteral("/a"), QString()), QStringLiteral("/a"));
}
